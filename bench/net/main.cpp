// Benchmark of the XML conversion: a 10,000-item command tree to XML text and back into a tree,
// against MSXML parsing and serialising the same text alone. Prints the times of one run (median
// of several repetitions) and their ratio; it asserts nothing.

#include "../common/BenchClock.h"

#include <ConvertXml.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kContacts = 999;   // each with 9 fields: 9,990 items
const int kHeaderFields = 9; // plus the root: 10,000 items
const int kRepetitions = 7;
const wchar_t* const kFields[] = {L"name", L"nick", L"sign", L"group", L"mobile", L"mail", L"age", L"city", L"icon"};

CMapStringToString* ContactAttributes(int index)
{
    CMapStringToString* attri = new CMapStringToString;
    attri->SetAt(L"id", std::to_wstring(100000 + index).c_str());
    attri->SetAt(L"state", index % 3 ? L"online" : L"away");
    return attri;
}

void BuildCommand(CXmlTreeCtrl& tree)
{
    CXmlTreeItem* root = tree.InsertItem(L"tavo");
    for (int field = 0; field < kHeaderFields; ++field)
        tree.InsertItem((L"h" + std::to_wstring(field)).c_str(), L"header value", nullptr, root);
    for (int index = 0; index < kContacts; ++index) {
        CXmlTreeItem* contact = tree.InsertItem(L"contact", L"", ContactAttributes(index), root);
        for (const wchar_t* field : kFields)
            tree.InsertItem(field, (std::wstring(field) + L" " + std::to_wstring(index)).c_str(), nullptr, contact);
    }
}

std::wstring XmlOf(IXMLDOMDocument* doc)
{
    BSTR xml = nullptr;
    if (FAILED(doc->get_xml(&xml)) || !xml)
        return std::wstring();
    std::wstring text(xml, SysStringLen(xml));
    SysFreeString(xml);
    return text;
}

struct Times {
    std::vector<double> treeToDoc, serialise, parse, docToTree, msxmlAlone;
};

// One repetition of both paths; false when a step fails.
bool RunOnce(CXmlTreeCtrl& command, Times& times)
{
    double start = NowMs();
    IXMLDOMDocumentPtr doc;
    if (CConvertXml::ConvertTreeToXml(&command, doc) != S_OK)
        return false;
    double mark = NowMs();
    times.treeToDoc.push_back(mark - start);
    const std::wstring text = XmlOf(doc);
    times.serialise.push_back(NowMs() - mark);

    mark = NowMs();
    IXMLDOMDocumentPtr parsed;
    if (CConvertXml::CStringToXml(text.c_str(), parsed) != S_OK)
        return false;
    times.parse.push_back(NowMs() - mark);
    mark = NowMs();
    CXmlTreeCtrl answer;
    if (CConvertXml::ConvertXmlToTree(parsed, &answer) != S_OK || answer.GetItemCount() != command.GetItemCount())
        return false;
    times.docToTree.push_back(NowMs() - mark);

    start = NowMs();
    IXMLDOMDocumentPtr alone;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (FAILED(alone.CreateInstance(__uuidof(DOMDocument))) || FAILED(alone->loadXML(_bstr_t(text.c_str()), &loaded)) ||
        loaded != VARIANT_TRUE)
        return false;
    if (XmlOf(alone).size() != text.size())
        return false;
    times.msxmlAlone.push_back(NowMs() - start);
    return true;
}

} // namespace

int main()
{
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        std::printf("COM could not be initialised\n");
        return 1;
    }
    int status = 0;
    {
        CXmlTreeCtrl command;
        BuildCommand(command);
        Times warmUp, times;
        if (!RunOnce(command, warmUp))
            status = 1;
        for (int repetition = 0; repetition < kRepetitions && status == 0; ++repetition) {
            if (!RunOnce(command, times))
                status = 1;
        }
        if (status == 0) {
            const double treeToDoc = Median(times.treeToDoc), serialise = Median(times.serialise);
            const double parse = Median(times.parse), docToTree = Median(times.docToTree);
            const double ours = treeToDoc + serialise + parse + docToTree;
            const double alone = Median(times.msxmlAlone);
            std::printf("items in the command tree:         %d\n", command.GetItemCount());
            std::printf("tree -> document (ConvertTreeToXml): %8.2f ms\n", treeToDoc);
            std::printf("document -> text (xml):              %8.2f ms\n", serialise);
            std::printf("text -> document (CStringToXml):     %8.2f ms\n", parse);
            std::printf("document -> tree (ConvertXmlToTree): %8.2f ms\n", docToTree);
            std::printf("tree -> XML -> tree, total:          %8.2f ms\n", ours);
            std::printf("MSXML parse + serialise alone:       %8.2f ms\n", alone);
            std::printf("ratio (round trip / MSXML alone):    %8.2f\n", ours / alone);
        } else {
            std::printf("a conversion step failed\n");
        }
    }
    CoUninitialize();
    return status;
}
