// MSXML, the platform's XML DOM ("Microsoft.XMLDOM"), for C++ code of the framework's users:
// __uuidof for its interfaces and for the document class, and _com_ptr_t smart pointers
// (IXMLDOMDocumentPtr, IXMLDOMElementPtr ...). MinGW ships the interfaces but neither of these.
#pragma once

#include "afxlite/AfxDef.h"
#include "afxlite/CString.h"

#include <windows.h>
#include <ole2.h>
#include <msxml.h>
#include <comdef.h>

// Interface identifiers of the DOM (MSXML 2.0 and later). Declared here with their published
// values; MinGW's uuid library gets IXMLDOMImplementation wrong, so nothing relies on it.
__CRT_UUID_DECL(IXMLDOMImplementation, 0x2933bf8f, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMNode, 0x2933bf80, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMDocument, 0x2933bf81, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMNodeList, 0x2933bf82, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMNamedNodeMap, 0x2933bf83, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMCharacterData, 0x2933bf84, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMAttribute, 0x2933bf85, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMElement, 0x2933bf86, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMText, 0x2933bf87, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMComment, 0x2933bf88, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMProcessingInstruction, 0x2933bf89, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e,
                0x60)
__CRT_UUID_DECL(IXMLDOMCDATASection, 0x2933bf8a, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMDocumentType, 0x2933bf8b, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMNotation, 0x2933bf8c, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMEntity, 0x2933bf8d, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMEntityReference, 0x2933bf8e, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)
__CRT_UUID_DECL(IXMLDOMDocumentFragment, 0x3efaa413, 0x272f, 0x11d2, 0x83, 0x6f, 0x00, 0x00, 0xf8, 0x7a, 0x77, 0x82)
__CRT_UUID_DECL(IXMLDOMParseError, 0x3efaa426, 0x272f, 0x11d2, 0x83, 0x6f, 0x00, 0x00, 0xf8, 0x7a, 0x77, 0x82)

// Class identifier of "Microsoft.XMLDOM": create a document with
//   IXMLDOMDocumentPtr doc; HRESULT hr = doc.CreateInstance(__uuidof(DOMDocument));
__CRT_UUID_DECL(DOMDocument, 0x2933bf90, 0x7b36, 0x11d2, 0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60)

// Smart pointers. Their failures (other than E_NOINTERFACE on a query) raise _com_error,
// whose support lives in afxlite.dll.
_COM_SMARTPTR_TYPEDEF(IXMLDOMImplementation, __uuidof(IXMLDOMImplementation));
_COM_SMARTPTR_TYPEDEF(IXMLDOMNode, __uuidof(IXMLDOMNode));
_COM_SMARTPTR_TYPEDEF(IXMLDOMDocument, __uuidof(IXMLDOMDocument));
_COM_SMARTPTR_TYPEDEF(IXMLDOMNodeList, __uuidof(IXMLDOMNodeList));
_COM_SMARTPTR_TYPEDEF(IXMLDOMNamedNodeMap, __uuidof(IXMLDOMNamedNodeMap));
_COM_SMARTPTR_TYPEDEF(IXMLDOMCharacterData, __uuidof(IXMLDOMCharacterData));
_COM_SMARTPTR_TYPEDEF(IXMLDOMAttribute, __uuidof(IXMLDOMAttribute));
_COM_SMARTPTR_TYPEDEF(IXMLDOMElement, __uuidof(IXMLDOMElement));
_COM_SMARTPTR_TYPEDEF(IXMLDOMText, __uuidof(IXMLDOMText));
_COM_SMARTPTR_TYPEDEF(IXMLDOMComment, __uuidof(IXMLDOMComment));
_COM_SMARTPTR_TYPEDEF(IXMLDOMProcessingInstruction, __uuidof(IXMLDOMProcessingInstruction));
_COM_SMARTPTR_TYPEDEF(IXMLDOMCDATASection, __uuidof(IXMLDOMCDATASection));
_COM_SMARTPTR_TYPEDEF(IXMLDOMDocumentType, __uuidof(IXMLDOMDocumentType));
_COM_SMARTPTR_TYPEDEF(IXMLDOMNotation, __uuidof(IXMLDOMNotation));
_COM_SMARTPTR_TYPEDEF(IXMLDOMEntity, __uuidof(IXMLDOMEntity));
_COM_SMARTPTR_TYPEDEF(IXMLDOMEntityReference, __uuidof(IXMLDOMEntityReference));
_COM_SMARTPTR_TYPEDEF(IXMLDOMDocumentFragment, __uuidof(IXMLDOMDocumentFragment));
_COM_SMARTPTR_TYPEDEF(IXMLDOMParseError, __uuidof(IXMLDOMParseError));

// A new, empty "Microsoft.XMLDOM" document that loads synchronously and never resolves the
// external entities or DTDs a text names: XML comes from the network and from files, and must
// not make the parser fetch local files or other hosts. The one place that creates documents.
AFX_API HRESULT AFXAPI AfxCreateXmlDocument(IXMLDOMDocumentPtr& doc);

// Keeps the document class's factory for the calling thread while it lives, so that
// AfxCreateXmlDocument on that thread skips COM's class lookup (a registry search on every
// creation, about 0.4 ms under Wine: more than parsing a short answer). For threads that create
// a document per message or request. Made after the thread joined its apartment and destroyed
// before the thread leaves it; one per thread at a time. Without a factory (COM refused it)
// documents are created the usual way.
class AFX_API CXmlDocumentFactoryScope {
public:
    CXmlDocumentFactoryScope();
    ~CXmlDocumentFactoryScope();

    CXmlDocumentFactoryScope(const CXmlDocumentFactoryScope&) = delete;
    CXmlDocumentFactoryScope& operator=(const CXmlDocumentFactoryScope&) = delete;

private:
    IClassFactory* m_pFactory; // null when COM refused it
};

// Whether every character of the text may stand in an XML 1.0 document, literally or as a
// reference: no control character but tab, line feed and carriage return, no U+FFFE or U+FFFF,
// no surrogate without its partner.
AFX_API BOOL AFXAPI AfxIsXmlText(LPCWSTR lpszText, int nLength);

// Whether the text is an XML 1.0 name (element or attribute): not empty, a letter, '_' or ':'
// first, then letters, digits, '-', '.', combining marks; characters beyond U+FFFF as surrogate
// pairs. A DOM may take other names and then write a file no reader accepts.
AFX_API BOOL AFXAPI AfxIsXmlName(LPCWSTR lpszName, int nLength);

// The text of a BSTR, embedded null characters included; empty for a null BSTR.
AFX_API CString AFXAPI AfxStringFromBstr(BSTR text);
