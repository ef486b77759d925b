// Benchmark of the XML conversion: command trees of 1,000, 10,000 and 100,000 items to XML text
// and back into a tree as the channel does it, against MSXML parsing and serialising the same text
// alone, in the same rounds; then one item with 2,000 and 20,000 attributes. Prints the ratio per
// size and how the times grow with ten times the items or attributes, as the 10th percentile and
// the median of the rounds; it asserts nothing.

#include "../common/BenchClock.h"

#include <ConvertXml.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const int kHeaderFields = 9; // the root and its header fields: 10 items
const wchar_t* const kFields[] = {L"name", L"nick", L"sign", L"group", L"mobile", L"mail", L"age", L"city", L"icon"};
const int kItemsPerContact = 1 + sizeof(kFields) / sizeof(kFields[0]);
const double kRatioGoal = 2.5;
const double kGrowthGoal = 12.0; // ten times the items

struct Size {
    int nItems;
    int nRounds;
};
const Size kSizes[] = {{1000, 15}, {10000, 7}, {100000, 3}};

CMapStringToString* ContactAttributes(int index)
{
    CMapStringToString* attri = new CMapStringToString;
    attri->SetAt(L"id", std::to_wstring(100000 + index).c_str());
    attri->SetAt(L"state", index % 3 ? L"online" : L"away");
    return attri;
}

// A tree of nItems items: the root, its header fields, and contacts of ten items each.
void BuildCommand(CXmlTreeCtrl& tree, int nItems)
{
    CXmlTreeItem* root = tree.InsertItem(L"tavo");
    for (int field = 0; field < kHeaderFields; ++field)
        tree.InsertItem((L"h" + std::to_wstring(field)).c_str(), L"header value", nullptr, root);
    const int nContacts = (nItems - 1 - kHeaderFields) / kItemsPerContact;
    for (int index = 0; index < nContacts; ++index) {
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
    std::vector<double> treeToText, parse, docToTree, roundTrip, msxmlAlone;
};

// One round of both paths, the channel's way (the request text written from the tree, the answer
// parsed and converted with its text); false when a step fails.
bool RunOnce(CXmlTreeCtrl& command, Times& times)
{
    const double start = NowMs();
    CString source;
    if (CConvertXml::ConvertTreeToText(&command, source) != S_OK)
        return false;
    double mark = NowMs();
    times.treeToText.push_back(mark - start);
    IXMLDOMDocumentPtr parsed;
    if (CConvertXml::CStringToXml(source, parsed) != S_OK)
        return false;
    times.parse.push_back(NowMs() - mark);
    mark = NowMs();
    CXmlTreeCtrl answer;
    if (CConvertXml::ConvertXmlToTree(parsed, &answer, source) != S_OK ||
        answer.GetItemCount() != command.GetItemCount())
        return false;
    const double end = NowMs();
    times.docToTree.push_back(end - mark);
    times.roundTrip.push_back(end - start);

    mark = NowMs();
    IXMLDOMDocumentPtr alone;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (FAILED(alone.CreateInstance(__uuidof(DOMDocument))) ||
        FAILED(alone->loadXML(_bstr_t(source.GetString()), &loaded)) || loaded != VARIANT_TRUE)
        return false;
    if (static_cast<int>(XmlOf(alone).size()) != source.GetLength())
        return false;
    times.msxmlAlone.push_back(NowMs() - mark);
    return true;
}

// Measures one size; false when a step fails.
bool RunSize(const Size& size, Times& times)
{
    CXmlTreeCtrl command;
    BuildCommand(command, size.nItems);
    for (int round = 0; round < size.nRounds; ++round) {
        if (!RunOnce(command, times))
            return false;
    }
    std::printf("%d items (%d rounds)\n", command.GetItemCount(), size.nRounds);
    PrintTimes("tree -> text (ConvertTreeToText)", times.treeToText);
    PrintTimes("text -> document (CStringToXml)", times.parse);
    PrintTimes("document -> tree (ConvertXmlToTree)", times.docToTree);
    PrintTimes("tree -> XML -> tree", times.roundTrip);
    PrintTimes("MSXML parse + serialise alone", times.msxmlAlone);
    PrintRatio("ratio round trip / MSXML alone", RatiosOf(times.roundTrip, times.msxmlAlone), kRatioGoal);
    return true;
}

// Growth of the round trip from one size to the next (ten times the items): the 10th percentiles
// of the two sizes compared, and their medians; MSXML's own growth beside it, for the part of
// the growth that is the platform's.
void PrintGrowth(const Size& from, const Times& small, const Size& to, const Times& large)
{
    char label[64];
    std::snprintf(label, sizeof(label), "growth %d -> %d items", from.nItems, to.nItems);
    PrintFigures(label, Percentile10(large.roundTrip) / Percentile10(small.roundTrip),
                 Median(large.roundTrip) / Median(small.roundTrip), kGrowthGoal);
    std::snprintf(label, sizeof(label), "  MSXML alone, %d -> %d items", from.nItems, to.nItems);
    PrintFigures(label, Percentile10(large.msxmlAlone) / Percentile10(small.msxmlAlone),
                 Median(large.msxmlAlone) / Median(small.msxmlAlone), 0);
}

// One item with many attributes, 2,000 and then 20,000: the conversion's own steps (the text
// written from the tree, the document read back into a tree) must grow linearly; the parse is the
// platform's, shown beside them.
struct AttributeTimes {
    std::vector<double> toText, parse, toTree;
};
const int kAttributeCounts[] = {2000, 20000};
const int kAttributeRounds = 5;

bool RunAttributes(int count, AttributeTimes& times)
{
    CXmlTreeCtrl tree;
    auto* attri = new CMapStringToString;
    attri->InitHashTable(AfxHashSizeFor(count)); // as the conversion sizes the maps it reads
    for (int index = 0; index < count; ++index)
        attri->SetAt((L"a" + std::to_wstring(index)).c_str(), std::to_wstring(index).c_str());
    tree.InsertItem(L"heavy", L"", attri);
    for (int round = 0; round < kAttributeRounds; ++round) {
        const double start = NowMs();
        CString text;
        if (CConvertXml::ConvertTreeToText(&tree, text) != S_OK)
            return false;
        const double written = NowMs();
        IXMLDOMDocumentPtr doc;
        if (CConvertXml::CStringToXml(text, doc) != S_OK)
            return false;
        const double parsed = NowMs();
        CXmlTreeCtrl back;
        if (CConvertXml::ConvertXmlToTree(doc, &back) != S_OK || !back.GetFirstItem()->GetAttri() ||
            back.GetFirstItem()->GetAttri()->GetCount() != count)
            return false;
        times.toText.push_back(written - start);
        times.parse.push_back(parsed - written);
        times.toTree.push_back(NowMs() - parsed);
    }
    std::printf("one item with %d attributes (%d rounds)\n", count, kAttributeRounds);
    PrintTimes("tree -> text (ConvertTreeToText)", times.toText);
    PrintTimes("text -> document (CStringToXml, the platform)", times.parse);
    PrintTimes("document -> tree (ConvertXmlToTree)", times.toTree);
    return true;
}

void PrintAttributeGrowth(const AttributeTimes& small, const AttributeTimes& large)
{
    auto growth = [](const char* label, const std::vector<double>& from, const std::vector<double>& to, double goal) {
        PrintFigures(label, Percentile10(to) / Percentile10(from), Median(to) / Median(from), goal);
    };
    growth("growth 2000 -> 20000 attributes, to text", small.toText, large.toText, kGrowthGoal);
    growth("growth 2000 -> 20000 attributes, to tree", small.toTree, large.toTree, kGrowthGoal);
    growth("  the platform's parse, 2000 -> 20000", small.parse, large.parse, 0);
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
        std::printf("XML conversion\n");
        // A first small round loads MSXML and fills the allocators.
        Times warmUp;
        CXmlTreeCtrl command;
        BuildCommand(command, kSizes[0].nItems);
        const size_t nSizes = sizeof(kSizes) / sizeof(kSizes[0]);
        std::vector<Times> times(nSizes);
        if (!RunOnce(command, warmUp))
            status = 1;
        for (size_t i = 0; i < nSizes && status == 0; ++i) {
            if (!RunSize(kSizes[i], times[i]))
                status = 1;
        }
        for (size_t i = 1; i < nSizes && status == 0; ++i)
            PrintGrowth(kSizes[i - 1], times[i - 1], kSizes[i], times[i]);
        AttributeTimes attributeTimes[2];
        for (size_t i = 0; i < 2 && status == 0; ++i) {
            if (!RunAttributes(kAttributeCounts[i], attributeTimes[i]))
                status = 1;
        }
        if (status == 0)
            PrintAttributeGrowth(attributeTimes[0], attributeTimes[1]);
        if (status != 0)
            std::printf("a conversion step failed\n");
    }
    CoUninitialize();
    return status;
}
