#include "core/Error.h"
#include "support/TempDir.h"
#include "xml/GmXml.h"
#include "xml/GmXmlPool.h"

#include <QBuffer>
#include <QLocale>
#include <gtest/gtest.h>

#include <cctype>
#include <clocale>
#include <ostream>
#include <random>
#include <thread>

namespace {

QByteArray Save(const TGmXML& doc) {
    return doc.SaveToBytes();
}

std::unique_ptr<TGmXML> Load(const QByteArray& bytes) {
    auto doc = std::make_unique<TGmXML>();
    doc->LoadFromBytes(bytes);
    return doc;
}

constexpr const char* kHeader = "<?xml version=\"1.0\"?>\r\n";

} // namespace

TEST(XmlWriter, WritesTheFixedLineLayout) {
    TGmXML doc;
    TGmXmlNode* root = doc.Nodes().Add("Root");
    root->Children().Add("A")->SetText("x<y");
    root->Children().Add("B");
    EXPECT_EQ(Save(doc), QByteArray(kHeader) + "<Root>\r\n  <A>x&lt;y</A>\r\n  <B></B>\r\n</Root>\r\n");
}

TEST(XmlWriter, EmptyDocumentIsZeroBytesAndEmptyInputLoadsNothing) {
    TGmXML doc;
    EXPECT_TRUE(Save(doc).isEmpty());
    TempDir dir;
    doc.SaveToFile(dir.File("empty.xml"));
    EXPECT_EQ(QFileInfo(dir.File("empty.xml")).size(), 0);
    TGmXML loaded;
    loaded.LoadFromFile(dir.File("empty.xml"));
    EXPECT_EQ(loaded.Nodes().Count(), 0);
    // A byte-order mark alone is no text either; the parser must not run past its end.
    auto bomOnly = Load("\xEF\xBB\xBF");
    EXPECT_EQ(bomOnly->Nodes().Count(), 0);
}

TEST(XmlWriter, ContainerLosesItsOwnTextAndEmptyContainerIsOneLine) {
    TGmXML doc;
    TGmXmlNode* root = doc.Nodes().Add("Root");
    root->SetText("ignored");
    TGmXmlNode* list = root->Children().Add("List");
    list->Children().Add("Item")->SetInteger(-7);
    root->Children().Add("Empty");
    EXPECT_EQ(
        Save(doc),
        QByteArray(kHeader) +
            "<Root>\r\n  <List>\r\n    <Item>-7</Item>\r\n  </List>\r\n  <Empty></Empty>\r\n</Root>\r\n");
}

TEST(XmlText, EscapesTheFiveCharactersAndReadsThemBack) {
    TGmXmlNode node;
    node.SetText("a&b<c>d'e\"f");
    EXPECT_EQ(node.Value, "a&amp;b&lt;c&gt;d&pos;e&quot;f");
    EXPECT_EQ(node.GetText(), "a&b<c>d'e\"f");

    node.SetText("&lt;");
    EXPECT_EQ(node.Value, "&amp;lt;");
    EXPECT_EQ(node.GetText(), "&lt;");

    // Only the five entities are known; anything else stays as it stands.
    node.Value = "&apos;&#65;&amp;pos;";
    EXPECT_EQ(node.GetText(), "&apos;&#65;&pos;");
}

TEST(XmlText, SpecialTextsSurviveAFileRoundTrip) {
    const QString texts[] = {
        "  leading and trailing  ", "line one\r\nline two", "tab\there", "&quot;&pos;", "", "°C and µ",
        "Ωλ 日本 🙂"};
    for (const QString& text : texts) {
        TGmXML doc;
        doc.Nodes().Add("Root")->Children().Add("T")->SetText(text);
        auto back = Load(Save(doc));
        EXPECT_EQ(back->Nodes().Find("Root").Children().Find("T").GetText(), text) << text.toStdString();
    }
}

TEST(XmlText, LineBreaksOfAnyKindReadBackAsCrLf) {
    auto doc = Load("<Root>\n<T>a\nb\rc\r\nd</T>\n</Root>");
    EXPECT_EQ(doc->Nodes().Find("Root").Children().Find("T").GetText(), "a\r\nb\r\nc\r\nd");
}

// Text already in the parser's form is read where it stands, checked eight bytes at a
// time; a stray line break or a Windows-1252 byte must be seen at any place in a word.
TEST(XmlText, StrayBreaksAndHighBytesAreConvertedAtEveryOffset) {
    const struct {
        const char* inside;
        QString readBack;
    } cases[] = {{"\r\n", "\r\n"}, {"\n", "\r\n"}, {"\r", "\r\n"}, {"\n\r", "\r\n\r\n"}, {"\xE9", "\u00E9"}};
    for (const auto& c : cases) {
        for (int pad = 0; pad < 20; ++pad) {
            const QByteArray before(pad, 'x');
            auto doc =
                Load(QByteArray(kHeader) + "<Root>\r\n<T>" + before + c.inside + "y</T>\r\n</Root>\r\n");
            EXPECT_EQ(doc->Nodes().Find("Root").Children().Find("T").GetText(),
                      QString::fromLatin1(before) + c.readBack + "y")
                << "pad " << pad << " case " << QByteArray(c.inside).toHex().constData();
        }
    }
}

struct FloatCase {
    double value;
    const char* text;
};

void PrintTo(const FloatCase& c, std::ostream* os) {
    *os << c.text;
}

std::string FloatCaseName(const ::testing::TestParamInfo<FloatCase>& info) {
    std::string name;
    for (const char* p = info.param.text; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

class XmlFloatFormat : public ::testing::TestWithParam<FloatCase> {};

TEST_P(XmlFloatFormat, WritesShortestTextWithFifteenDigits) {
    TGmXmlNode node;
    node.SetFloat(GetParam().value);
    EXPECT_EQ(node.Value, GetParam().text);
    EXPECT_DOUBLE_EQ(node.GetFloat(), std::stod(GetParam().text)); // what the file holds reads back
}

INSTANTIATE_TEST_SUITE_P(
    Table, XmlFloatFormat,
    ::testing::Values(FloatCase{0.3, "0.3"}, FloatCase{36526.5, "36526.5"}, FloatCase{1.0, "1"},
                      FloatCase{0.0, "0"}, FloatCase{-2.25, "-2.25"}, FloatCase{0.0001, "0.0001"},
                      FloatCase{0.00005, "5E-5"}, FloatCase{0.000012345, "1.2345E-5"},
                      FloatCase{1e15, "1E15"}, FloatCase{999999999999999.0, "999999999999999"},
                      FloatCase{1.7e308, "1.7E308"}, FloatCase{1.0 / 3.0, "0.333333333333333"},
                      FloatCase{123456.789, "123456.789"}, FloatCase{-1.5e-7, "-1.5E-7"},
                      FloatCase{100.0, "100"}, FloatCase{2.5e20, "2.5E20"}),
    FloatCaseName);

TEST(XmlNumbers, IgnoreTheProcessLocale) {
    // A German C locale and Qt default would both use a decimal comma.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German));
    TGmXmlNode node;
    node.SetFloat(0.3);
    EXPECT_EQ(node.Value, "0.3");
    node.Value = "12.75";
    EXPECT_DOUBLE_EQ(node.GetFloat(), 12.75);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_NUMERIC, saved.c_str());
}

struct ReadCase {
    const char* value;
    int32_t integer;
    double real;
    bool boolean;
};

TEST(XmlNumbers, ReadBackOrFallToZero) {
    const ReadCase cases[] = {
        {"12", 12, 12.0, true},   {"12x", 0, 0.0, false}, {"", 0, 0.0, false},
        {"1", 1, 1.0, true},      {"5", 5, 5.0, true},    {" -3 ", -3, -3.0, true},
        {"abc", 0, 0.0, false},   {"1.5", 0, 1.5, false}, {"2.5e3", 0, 2500.0, false},
        {"1E-2", 0, 0.01, false}, {"inf", 0, 0.0, false}, {"nan", 0, 0.0, false},
        {"0x10", 0, 0.0, false},  {"+7", 7, 7.0, true},   {"99999999999", 0, 99999999999.0, false},
        {"1e999", 0, 0.0, false}, {"1,5", 0, 0.0, false},
    };
    for (const auto& c : cases) {
        TGmXmlNode node;
        node.Value = c.value;
        EXPECT_EQ(node.GetInteger(), c.integer) << c.value;
        EXPECT_DOUBLE_EQ(node.GetFloat(), c.real) << c.value;
        EXPECT_EQ(node.GetBoolean(), c.boolean) << c.value;
    }
    TGmXmlNode node;
    node.SetBoolean(true);
    EXPECT_EQ(node.Value, "1");
    node.SetBoolean(false);
    EXPECT_EQ(node.Value, "0");
    node.SetInteger(-2147483647 - 1);
    EXPECT_EQ(node.GetInteger(), -2147483647 - 1);
}

TEST(XmlFind, MissingElementsReadAsEmptyValues) {
    auto doc = Load("<?xml version=\"1.0\"?>\r\n<Batch>\r\n  <Company>Acme</Company>\r\n</Batch>\r\n");
    const TGmXmlNode& batch = doc->Nodes().Find("Batch");
    ASSERT_FALSE(batch.IsMissing());
    EXPECT_EQ(batch.Children().Find("Company").GetText(), "Acme");
    const TGmXmlNode& missing = batch.Children().Find("Operator");
    EXPECT_TRUE(missing.IsMissing());
    EXPECT_EQ(missing.GetInteger(), 0);
    EXPECT_EQ(missing.GetText(), "");
    EXPECT_EQ(&missing, &TGmXmlNode::MissingNode());
    EXPECT_TRUE(doc->Nodes().Find("batch").IsMissing());
    EXPECT_TRUE(missing.Children().Find("Anything").IsMissing());
    EXPECT_EQ(batch.Children().FindNode("Nope"), nullptr);
}

TEST(XmlFind, FindEachGivesWhatFindGivesForEveryName) {
    // Out of order, a repeated name (the first counts) and a name that is absent.
    auto doc = Load("<R><C>3</C><A>1</A><X>0</X><A>9</A><B>2</B></R>\r\n");
    const TGmXmlNodeList& fields = doc->Nodes().Find("R").Children();
    static constexpr std::string_view names[] = {"B", "A", "C", "D"};
    const TGmXmlNode* found[std::size(names)] = {};
    fields.FindEach(names, found);
    for (size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(found[i], &fields.Find(names[i])) << names[i];
    EXPECT_EQ(found[1]->GetInteger(), 1);
    EXPECT_TRUE(found[3]->IsMissing());
}

TEST(XmlParser, KeepsTopLevelElementsAndSkipsHeaders) {
    auto doc = Load("<?xml version=\"1.0\"?>\r\n<A>1</A>\r\n<?other?>\r\n<B>2</B>\r\n");
    ASSERT_EQ(doc->Nodes().Count(), 2);
    EXPECT_EQ(doc->Nodes().Items(0)->Name, "A");
    EXPECT_EQ(doc->Nodes().Items(1)->GetInteger(), 2);
    EXPECT_EQ(doc->Nodes().Cursor(), nullptr);
    EXPECT_EQ(doc->Nodes().Items(1)->Depth(), 0);
}

TEST(XmlParser, ReadsOneAttributeAndWritesItBack) {
    const QByteArray text = QByteArray(kHeader) + "<Item Kind=\"A\">5</Item>\r\n";
    auto doc = Load(text);
    const TGmXmlNode& item = doc->Nodes().Find("Item");
    EXPECT_EQ(item.Attribute().Name, "Kind");
    EXPECT_EQ(item.Attribute().Value, "A");
    EXPECT_EQ(item.GetInteger(), 5);
    EXPECT_EQ(Save(*doc), text);

    // Several attributes: the first name survives, the value absorbs the rest.
    auto many = Load("<E a=\"1\" b=\"2\">x</E>");
    EXPECT_EQ(many->Nodes().Find("E").Attribute().Name, "a");
    EXPECT_EQ(many->Nodes().Find("E").Attribute().Value, "1 b=2");
    // A name with spaces but no "=" is kept whole.
    EXPECT_FALSE(Load("<Two words>x</Two words>")->Nodes().Find("Two words").IsMissing());
}

TEST(XmlParser, WrittenDocumentsComeBackByteForByte) {
    TGmXML doc;
    TGmXmlNode* root = doc.Nodes().Add("Batch");
    root->Children().Add("Note")->SetText("a\r\n<b> & 'c' \"d\"");
    TGmXmlNode* list = root->Children().Add("Measurements");
    for (int i = 0; i < 3; ++i) {
        TGmXmlNode* m = list->Children().Add("Measurement");
        m->Children().Add("DateTime")->SetFloat(36526.5 + i);
        m->Children().Add("Viscosity")->SetFloat(i == 2 ? 1.7e308 : 0.1 * i);
    }
    root->Children().Add("Empty");
    const QByteArray first = Save(doc);
    EXPECT_EQ(Save(*Load(first)), first);
}

TEST(XmlEncoding, Windows1252FilesStayWindows1252) {
    // "°" is the byte B0; every one of the 256 byte values survives a load and save.
    QByteArray value;
    for (int b = 0x20; b < 0x100; ++b)
        if (b != '<' && b != '>' && b != '&')
            value.append(static_cast<char>(b));
    const QByteArray text = QByteArray(kHeader) + "<R>\r\n  <T>" + value + "</T>\r\n</R>\r\n";
    auto doc = Load(text);
    const QString t = doc->Nodes().Find("R").Children().Find("T").GetText();
    EXPECT_TRUE(t.contains(QChar(0x00B0)));
    EXPECT_TRUE(t.contains(QChar(0x20AC))); // 0x80 is the euro sign
    EXPECT_EQ(Save(*doc), text);

    TGmXML made;
    made.Nodes().Add("T")->SetText("25 °C");
    EXPECT_EQ(Save(made), QByteArray(kHeader) + "<T>25 \xB0"
                                                "C</T>\r\n");
}

TEST(XmlEncoding, TextOutsideWindows1252IsWrittenAsDeclaredUtf8) {
    TGmXML doc;
    doc.Nodes().Add("T")->SetText(QString::fromUtf8("λ ° 日本"));
    const QByteArray bytes = Save(doc);
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    EXPECT_TRUE(bytes.contains("\xCE\xBB \xC2\xB0 "));
    auto back = Load(bytes);
    EXPECT_EQ(back->Nodes().Find("T").GetText(), QString::fromUtf8("λ ° 日本"));
    EXPECT_EQ(Save(*back), bytes);

    // A byte-order mark also means UTF-8.
    auto bom = Load("\xEF\xBB\xBF<T>\xC2\xB0</T>");
    EXPECT_EQ(bom->Nodes().Find("T").GetText(), QString::fromUtf8("°"));
}

TEST(XmlFiles, ErrorsNameThePathAndLeaveTheTargetAlone) {
    TempDir dir;
    TGmXML doc;
    try {
        doc.LoadFromFile(dir.File("nope.xml"));
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_TRUE(e.Message().startsWith("Cannot open file \"" + dir.File("nope.xml") + "\". "));
    }
    doc.Nodes().Add("A");
    try {
        doc.SaveToFile(dir.File("missing/folder/a.xml"));
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_TRUE(
            e.Message().startsWith("Cannot create file \"" + dir.File("missing/folder/a.xml") + "\". "));
    }

    dir.Write("a.xml", "old");
    doc.SaveToFile(dir.File("a.xml"));
    EXPECT_EQ(dir.Read("a.xml"), QByteArray(kHeader) + "<A></A>\r\n");
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.xml"});
}

TEST(XmlStreams, WriteAtThePositionAndReadTheRest) {
    TGmXML doc;
    doc.Nodes().Add("A")->SetInteger(1);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    buffer.write("junk");
    doc.SaveToStream(buffer);
    buffer.seek(4);
    TGmXML back;
    back.LoadFromStream(buffer);
    EXPECT_EQ(back.Nodes().Find("A").GetInteger(), 1);
}

TEST(XmlParser, SurvivesMalformedInput) {
    const QByteArray inputs[] = {
        "</A></B>",           "<A>text", "<A",  "<",      "<A><B>x</A></B></C>", "<A/><B/>",
        "<!-- c --><A>1</A>", "<>",      "</>", "<A>a<b", "\0\x01\xFF<\xFE>",    "text only",
    };
    for (const QByteArray& in : inputs) {
        auto doc = Load(in);
        (void)Save(*doc);
    }
    auto selfClosed = Load("<A/><B>2</B>");
    EXPECT_EQ(selfClosed->Nodes().Count(), 2);
    auto comment = Load("<!-- c --><A>1</A>");
    EXPECT_EQ(comment->Nodes().Find("A").GetInteger(), 1);
    auto stray = Load("</X><A>1</A>");
    EXPECT_EQ(stray->Nodes().Find("A").GetInteger(), 1);
}

TEST(XmlParser, HostileInputLoadsInLinearTimeAndBoundedDepth) {
    // A million nested tags neither overflow the stack nor build an absurdly deep tree.
    QByteArray deep;
    for (int i = 0; i < 1000000; ++i)
        deep += "<a>";
    auto doc = Load(deep);
    int depth = 0;
    for (const TGmXmlNode* n = doc->Nodes().Count() ? doc->Nodes().Items(0) : nullptr; n;
         n = n->Children().Count() ? n->Children().Items(0) : nullptr)
        ++depth;
    EXPECT_GT(depth, 10);
    EXPECT_LE(depth, 256);
    (void)Save(*doc);

    auto lts = Load(QByteArray(20 * 1024 * 1024, '<'));
    EXPECT_EQ(lts->Nodes().Count(), 0);

    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        QByteArray junk(1 + static_cast<int>(rng() % 2000), '\0');
        for (char& c : junk)
            c = "<>/?!=\" aB\r\n&;\xB0\xC3"[rng() % 17];
        (void)Save(*Load(junk));
    }
}

// A document cut short, or damaged on the way, still loads what it can; the load says
// whether the text ended where a document ends and where its sound part stops.
TEST(XmlLoadResult, SaysWhetherTheDocumentEndedAndHowFarItGot) {
    const QByteArray whole = "<?xml version=\"1.0\"?>\r\n<Batch>\r\n  <Measurements>\r\n    <Measurement>\r\n"
                             "      <Viscosity>1</Viscosity>\r\n    </Measurement>\r\n    <Measurement>\r\n"
                             "      <Viscosity>2</Viscosity>\r\n    </Measurement>\r\n  </Measurements>\r\n"
                             "</Batch>\r\n";
    const qsizetype secondReading = whole.indexOf("<Viscosity>2");
    const qsizetype firstReadingEnd =
        whole.indexOf("</Measurement>") + qsizetype(sizeof("</Measurement>") - 1);
    struct Case {
        const char* name;
        QByteArray text;
        bool complete;
        int openAtEnd;
        const char* openElement;
        bool endsInTag;
        qsizetype soundBytes; // -1: not checked
    };
    const Case cases[] = {
        {"whole", whole, true, 0, "", false, whole.size() - 2},
        {"cut after a reading", whole.left(secondReading), false, 3, "Measurement", false, firstReadingEnd},
        {"cut inside a tag", whole.left(secondReading + 5), false, 3, "Measurement", true, firstReadingEnd},
        {"cut inside a value", whole.left(secondReading + 12), false, 4, "Viscosity", false, firstReadingEnd},
        {"stray closing tag", whole + "</Batch>\r\n", false, 0, "", false, -1},
        {"text after the document", whole + QByteArray(16, '\0'), false, 0, "", false, -1},
        {"empty", QByteArray(), true, 0, "", false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TGmXML doc;
        doc.LoadFromBytes(c.text);
        const TGmXmlLoadResult& r = doc.LoadResult();
        EXPECT_EQ(r.Complete(), c.complete);
        EXPECT_EQ(r.OpenAtEnd, c.openAtEnd);
        EXPECT_EQ(r.OpenElement, c.openElement);
        EXPECT_EQ(r.EndsInTag, c.endsInTag);
        EXPECT_EQ(r.Describe().isEmpty(), c.complete) << r.Describe().toStdString();
        if (c.soundBytes >= 0) {
            EXPECT_EQ(r.SoundBytes, c.soundBytes);
        }
    }

    // The part before the cut is all there, and a later complete load starts afresh.
    TGmXML doc;
    doc.LoadFromBytes(whole.left(secondReading));
    EXPECT_EQ(doc.Nodes().Find("Batch").Children().Find("Measurements").Children().Count(), 2);
    EXPECT_EQ(doc.LoadResult().Elements, 5);
    const QString said = doc.LoadResult().Describe();
    EXPECT_TRUE(said.contains("\"Measurement\"")) << said.toStdString();
    TGmXML again;
    again.LoadFromBytes(whole.left(secondReading));
    again.LoadFromBytes(QByteArray());
    EXPECT_TRUE(again.LoadResult().Complete());
}

// Saves run on worker threads, one thread per save: the nodes such a thread used must
// serve the next thread, not stay with the ended thread for good.
TEST(XmlNodePool, EndedThreadsLeaveTheirNodesToTheNext) {
    auto buildOnAThread = [] {
        std::thread worker([] {
            TGmXML doc;
            TGmXmlNode* root = doc.Nodes().Add("Batch");
            for (int i = 0; i < 3000; ++i)
                root->Children().Add("Measurement")->SetInteger(i);
        });
        worker.join();
    };
    buildOnAThread();
    const size_t capacity = GmXmlNodePoolCapacity();
    ASSERT_GE(capacity, 3001u);
    for (int i = 0; i < 10; ++i)
        buildOnAThread();
    EXPECT_EQ(GmXmlNodePoolCapacity(), capacity);
}
