// CLangXmlReader: reads one module text file into a CLangProRC through MSXML. The file is
// XML (UTF-8 with its declaration); texts sit in attributes so that leading and trailing
// spaces survive (write a line break as &#13;&#10;):
//   <resources module="vo_share" language="chs">
//     <string id="IDS_LINK_ACCEPT" text="..."/>
//     <dialog name="CMsgBox" caption="...">
//       <item id="IDOK" text="..."/>
//     </dialog>
//   </resources>
// The root's attributes are informational; unknown elements are skipped; a missing text or
// caption is an empty text; a repeated identifier replaces the earlier one.
#pragma once

#include "vo_lang/CLangProRC.h"

#include <afxmsxml.h>

#include <vector>

class CLangXmlReader {
public:
    // Fills set from the file at path. False when the file is missing, malformed, has another
    // root element, or MSXML is unavailable; set may then hold part of the file.
    static bool Read(LPCTSTR path, CLangProRC& set);

private:
    static bool ReadFileBytes(LPCTSTR path, std::vector<BYTE>& bytes);
    static IXMLDOMElementPtr LoadRoot(const std::vector<BYTE>& bytes);
    static bool ToByteArray(const std::vector<BYTE>& bytes, _variant_t& array);
    static std::vector<IXMLDOMElementPtr> ChildElements(IXMLDOMNode* parent);
    static CString TagName(IXMLDOMElement* element);
    static CString Attribute(IXMLDOMElement* element, LPCTSTR name);
    static void ReadElements(IXMLDOMElement* root, CLangProRC& set);
    static void ReadDialog(IXMLDOMElement* dialog, CLangProRC& set);
};
