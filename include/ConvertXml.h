// CConvertXml: converts between XML trees (CXmlTreeCtrl) and MSXML DOM documents, texts and
// files. Stateless: every operation is static and may run on any thread that has initialised COM.
//
// Results: 0 success; 1 nothing done or input refused (empty text, text or file that does not
// parse, empty tree, a second top-level item, an item or attribute name that is no XML name, a
// text or attribute value with a character no XML file holds, such as a control character,
// U+FFFE or a lone surrogate, or a name the DOM refuses); negative: the
// failure code of the DOM (CO_E_NOTINITIALIZED when COM is not initialised, for instance).
// Limits: the XML parser reads no text or attribute value of about 10,000,000 bytes in UTF-8 or
// more, and no name longer than 50,000 characters, from a string (such a text gives 1), so trees
// with a text or value longer than 9,000,000 bytes in UTF-8, or a longer name, are refused (1)
// as well: nothing is written that cannot be read back.
// No exception gets out.
//
// Siblings come out of a document in reverse document order, at every level: each converted
// node is put in front of the siblings converted before it (CXmlTreeCtrl::InsertItem).
#pragma once

#include "VoDef.h"
#include "XmlTreeCtrl.h"

#include <afx.h>
#include <afxmsxml.h>

class CXmlSpaceMap;

class VO_API CConvertXml {
public:
    // Parses text into a new document stored in doc; doc is left as it was unless 0 is returned.
    static HRESULT CStringToXml(CString text, IXMLDOMDocumentPtr& doc);
    // As CStringToXml, for a text held as a BSTR, which is parsed without a copy of it.
    static HRESULT BstrToXml(BSTR text, IXMLDOMDocumentPtr& doc);
    // Adds the document's top-level nodes (and their subtrees) in front of what the tree holds.
    static HRESULT ConvertXmlToTree(IXMLDOMDocumentPtr doc, CXmlTreeCtrl* tree);
    // As above, for a document CStringToXml parsed from source, with the same items. The text of
    // an element with children is the DOM's joined text, which the DOM computes over the whole
    // subtree each time it is asked (more than linearly in the item count under some DOMs); here
    // it is joined from the children's texts in the same walk wherever source shows that the
    // result is the DOM's (the white space the DOM dropped placed, no mixed content, comment,
    // CDATA, character reference or document type), and asked of the DOM elsewhere.
    static HRESULT ConvertXmlToTree(IXMLDOMDocumentPtr doc, CXmlTreeCtrl* tree, const CString& source);
    // As above, for a document BstrToXml parsed from source.
    static HRESULT ConvertXmlToTree(IXMLDOMDocumentPtr doc, CXmlTreeCtrl* tree, BSTR source);
    // Loads an XML file and adds its content to the tree.
    static HRESULT LoadXmlToTree(const wchar_t* path, CXmlTreeCtrl* tree);
    // Builds a new document from the tree into doc (an empty document and 1 for an empty tree).
    // A document holds one top-level element: a top-level item named "xml" (the declaration of
    // a document the tree was read from) is left out, and a second top-level item gives 1 with
    // the document keeping the first one.
    static HRESULT ConvertTreeToXml(CXmlTreeCtrl* tree, IXMLDOMDocumentPtr& doc);
    // The text of the document ConvertTreeToXml builds from the tree, as the DOM's xml property
    // gives it (the element, then a line break), with the same results; text is left as it was
    // unless 0 is returned. Written straight from the tree without a document wherever the
    // bytes are known to be the DOM's (no control character, namespace prefix or declaration).
    static HRESULT ConvertTreeToText(CXmlTreeCtrl* tree, CString& text);
    // Builds a document from the tree and saves it to the file; the result of the save.
    static HRESULT SaveToXml(const wchar_t* path, CXmlTreeCtrl* tree);

private:
    // Converts the document's top-level nodes; pSpaces as XmlOutToTree.
    static HRESULT ConvertDocument(IXMLDOMDocumentPtr doc, CXmlTreeCtrl* tree, const CXmlSpaceMap* pSpaces);
    // Converts node and its subtree: the node goes into the tree under parent (or behind after).
    // With a map of the source's white space, element texts are joined from their children's where
    // that gives the DOM's; nElements counts the elements converted so far, in document order.
    static HRESULT XmlOutToTree(IXMLDOMNode* node, CXmlTreeCtrl* tree, CXmlTreeItem* parent, CXmlTreeItem* after,
                                const CXmlSpaceMap* pSpaces, size_t& nElements);
    // Converts one node alone; sets item to the new item, or leaves it null when the node is
    // not converted (text, comment and CDATA nodes: result 1). An element's item gets no text
    // (bElement tells): the walk sets it once the element's children are converted.
    static HRESULT NodeToItem(IXMLDOMNode* node, CXmlTreeCtrl* tree, CXmlTreeItem* parent, CXmlTreeItem* after,
                              CXmlTreeItem*& item, bool& bElement);
    // Converts item and its subtree into elements appended to parent (or to the document).
    static HRESULT TreeSaveToXml(CXmlTreeItem* item, IXMLDOMDocument* doc, IXMLDOMNode* parent);
    // Creates the element of one item (name, text, attributes) and appends it to parent.
    static HRESULT ItemToElement(CXmlTreeItem* item, IXMLDOMDocument* doc, IXMLDOMNode* parent,
                                 IXMLDOMElementPtr& element);
    // The node's nodeName.
    static HRESULT GetNodeName(IXMLDOMNode* node, CString& name);
    // The node's text: for an element the text of it and all its descendants joined.
    static HRESULT GetNodeText(IXMLDOMNode* node, CString& text);
    // The attribute map of node in a new CMapStringToString, or null when it has no attributes.
    // 1 (and null) for a node without an attribute collection.
    static HRESULT GetNodeAttri(IXMLDOMNode* node, CMapStringToString*& attri);
    // The name and string value of one attribute node.
    static HRESULT GetNodeAttriValue(IXMLDOMNode* attribute, CString& name, CString& value);
};
