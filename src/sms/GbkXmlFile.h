// Saving a short-message document as a GBK file that reads back exactly. The DOM's own save
// writes characters GBK cannot encode as "?"; such characters in texts and attribute values are
// written as character references instead, which any XML reader turns back into the character.
#pragma once

#include <afxmsxml.h>

// What the characters of a document allow when it is saved as GBK.
enum class GbkContent {
    Encodable,       // every character has a GBK form: the DOM's own save writes it exactly
    NeedsReferences, // some texts or attribute values need character references
    Unsaveable,      // a character no XML file can hold, or one GBK cannot encode in a name,
                     // comment, processing instruction or CDATA section
};

// Looks at every name, text and attribute value of the document.
GbkContent ClassifyForGbk(IXMLDOMDocument* doc);

// Puts the GBK declaration at the start of the document, replacing one it has (read from a file
// or a text, or put there by an earlier save), so that the file carries exactly one: the
// declaration decides the bytes the DOM's save writes.
HRESULT SetGbkDeclaration(IXMLDOMDocument* doc);

// Writes the document to path as the DOM's own save of it with the GBK declaration would, but
// with each character GBK cannot encode as a character reference; false when the document
// cannot be serialised or the file cannot be written. For documents classified NeedsReferences.
bool WriteGbkWithReferences(IXMLDOMDocument* doc, LPCTSTR path);
