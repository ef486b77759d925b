// CXmlSpaceMap: where a DOM that does not preserve white space dropped it from a document it
// parsed, read from the text the document was parsed from. Such a DOM keeps no node for
// character data that is white space alone (before, between and after the children of an
// element), but its joined text of the element puts one space where it stood between two
// non-empty texts. With the map a walk of the document joins element texts as the DOM does.
#pragma once

#include <afx.h>

#include <cstddef>
#include <vector>

class CXmlSpaceMap {
public:
    // One element, in document order.
    struct Element {
        bool bKnown = true;           // false: its white space cannot be placed (mixed content, a comment,
                                      // CDATA, a reference or white space at the ends of its text)
        bool bSpaceFirst = false;     // white space alone before its first child
        std::vector<bool> spaceAfter; // per child element: white space alone after it
    };

    // Reads source; a document type (whose entities may stand for anything) or text that is not
    // well-formed as far as the map looks leaves every element unknown.
    CXmlSpaceMap(const wchar_t* source, size_t length);

    // The element with index nElement in document order, or null when unknown.
    const Element* Find(size_t nElement) const;

private:
    void Read(const wchar_t* p, const wchar_t* pEnd);
    void AddCharacterData(const wchar_t* pBegin, const wchar_t* pEnd);
    void AddChildElement();
    void AddOtherChild();

    std::vector<Element> m_elements;
    std::vector<size_t> m_open;  // indices of the elements open at the reading position
    std::vector<bool> m_hasText; // per element: character data other than white space seen
    bool m_bKnown;
};
