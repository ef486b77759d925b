// CXMLBase: the short-message store. Holds one XML document with the root element "tavo", saves
// it as a GBK-encoded file in the folder "sms" below a base folder, under the file name that the
// document's "sms" element names, and shows its messages in a report list or its folders in a tree.
//
// Results: 0 success (or nothing to do); -1 refused or failed; -102 no root element "tavo"
// (also when no document is held). A failing DOM call inside Load(path) and the Out operations
// reaches the caller as _com_error; SaveSMS lets no exception out.
#pragma once

#include "VoDef.h"

#include <afxcmn.h>
#include <afxmsxml.h>

class VO_API CXMLBase {
public:
    CXMLBase();
    virtual ~CXMLBase();

    // Takes doc as the current document (shared, not copied); -1 for a null doc.
    int Load(IXMLDOMDocumentPtr doc);
    // Loads a file into a new document that becomes the current one; -1 when the file is
    // missing or not well-formed (the current document is then the new, empty one).
    int Load(const wchar_t* path);

    // Saves the current document as "<folder>\sms\smstree.xml" when its "sms" element has the
    // value "tree", else as "<folder>\sms\<value>.xml"; folder then holds the value. The "sms"
    // folder must exist. The file is GBK; characters GBK cannot encode are written as character
    // references, so every text comes back exactly. 0 also when the document names no file
    // (nothing saved); -1 when the value cannot be a file name (device names included), a folder
    // stands where the file belongs, the document holds a character no XML file can hold (or one
    // GBK cannot encode in a name or comment), or the file cannot be written. A refused save
    // writes nothing.
    int SaveSMS(CString& folder);

    // Appends one row per message ("node" below "sms"): column 0 the first attribute, column 1
    // the text, columns 2 onwards the further attributes. -1 for a null list.
    int Out(CListCtrl* list);
    // Adds the folder tree at the top level: one item per named "node"; its lParam is a new
    // CMapStringToPtr of the node's other attributes (name to new CString). The maps and their
    // strings belong to the caller, who frees them when emptying the tree. -1 for a null tree.
    int Out(CTreeCtrl* tree);

protected:
    // Adds element and its subtree below parent (null: the top level).
    int XML2Tree(CTreeCtrl* tree, IXMLDOMElementPtr& element, HTREEITEM parent);
    // The element's name and the string of its typed value (its text), as the DOM gives them.
    int GetNodeName(IXMLDOMElementPtr& element, CString& name, CString& value);
    // Name and value of the attribute at index; returns 0.
    // "Arrib" as hosts and the exported name know it: kept on purpose.
    int GetNodeArrib(IXMLDOMNamedNodeMapPtr& attributes, int index, CString& name, CString& value);

    IXMLDOMDocumentPtr m_pDoc;

private:
    IXMLDOMElementPtr FindRoot();
    int SaveDocument(CString& folder);
    void AppendMessage(CListCtrl* list, IXMLDOMElementPtr& node);
    // Adds one element of the folder tree; false when its subtree is not to be shown. under is
    // the item its children go below.
    bool AddFolderElement(CTreeCtrl* tree, IXMLDOMElementPtr& element, HTREEITEM parent, HTREEITEM& under);
};
