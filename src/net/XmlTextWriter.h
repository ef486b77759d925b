// CXmlTextWriter: writes the XML text of a tree item and its subtree directly, byte for byte the
// text the DOM's xml property gives for the element CConvertXml builds from it, without building
// a document. It writes only what it can write exactly: items whose texts, attribute values and
// names hold nothing the DOM may write in more than one way are written, others are left to the
// DOM. Also tells whether an item can stand in an XML file at all.
#pragma once

#include <XmlTreeItem.h>

#include <afx.h>

#include <atomic>
#include <cstddef>

class CXmlTextWriter {
public:
    // Whether the item's name, text and attributes can stand in an XML file as they are and be
    // read back: a DOM may take others and then write a file that no reader accepts, or that
    // reads back changed. Names of at most 50,000 characters, texts and values of at most
    // 9,000,000 bytes in UTF-8 (below the parser's limits).
    static bool IsWritable(CXmlTreeItem* item);

    // Appends the text of item and its subtree to text; false (text then partly written) when an
    // item is not writable or holds what only the DOM can say how it writes: a control
    // character (line breaks and tabs included), a name with a namespace prefix, or an attribute
    // that declares a namespace. bIndented: the children of an element without text go one per
    // line, indented by one tab per level, unless text stands in an element around them, as
    // some DOMs write them; else nothing is put between the tags.
    static bool Write(CXmlTreeItem* item, bool bIndented, CString& text);

    // How the DOM of this process writes a document, once CConvertXml has learned it: flat,
    // indented, or in some way this writer does not know (then the DOM writes every text).
    enum Layout : int { kLayoutUnknown, kLayoutFlat, kLayoutIndented, kLayoutDomOnly };
    static std::atomic<int> g_nLayout; // a Layout; unknown at first

private:
    static bool HasContent(CXmlTreeItem* item);
    static void AppendIndent(size_t depth, CString& text);
    // Whether the item is writable and written here exactly.
    static bool IsPlain(CXmlTreeItem* item);
    // The start tag with the attributes, in the order the attribute map gives them; for an item
    // with neither text nor children the empty-element tag.
    static void WriteStartTag(CXmlTreeItem* item, CString& text);
    // Appends value with the characters of markup replaced by references (the quote too in an
    // attribute value).
    static void AppendEscaped(const CString& value, bool bAttribute, CString& text);
};
