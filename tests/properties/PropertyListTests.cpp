#include "properties/Properties.h"

#include "core/Error.h"
#include "properties/PictureText.h"
#include "xml/GmXml.h"

#include <QImage>
#include <gtest/gtest.h>

#include <map>

namespace {

QStringList NodeNames(const TGmXmlNodeList& nodes) {
    QStringList names;
    for (const auto& n : nodes)
        names << n->NameText();
    return names;
}

// A small page-item-like list with one property of each kind that is stored.
struct TItemList {
    TPropertyList List;
    TProperty* Left = List.Add("Left", "Left", ptLength);
    TProperty* Count = List.Add("Count", "Count", ptInteger);
    TProperty* Visible = List.Add("Visible", "Visible", ptBoolean);
    TProperty* Text = List.Add("Text", "Text", ptText);
    TProperty* Align = List.Add("Align", "Align", ptChoice);
    TProperty* Colour = List.Add("Colour", "Colour", ptColour);
    TProperty* Brush = List.Add("Brush", "Brush", ptFillStyle);
    TProperty* Picture = List.Add("Picture", "Picture", ptPicture);

    TItemList() {
        Align->Choices = {"A", "B", "C"};
        Left->SetFloat(12.5);
        Count->SetInteger(-7);
        Visible->SetBoolean(true);
        Text->SetString("a < b & 'c'");
        Align->SetInteger(2);
        Colour->SetInteger(0x0000FF);
        Brush->SetStyle(3);
        List.Modified = false;
    }
};

TEST(PropertyList, SortIgnoresCaseAndIsTheWrittenOrder) {
    TPropertyList list;
    list.Add("Left", "", ptInteger);
    list.Add("color", "", ptInteger);
    list.Add("Name", "", ptText);
    list.Sort();
    EXPECT_EQ(list.Items(0)->Name, "color");
    EXPECT_EQ(list.Items(1)->Name, "Left");
    EXPECT_EQ(list.Items(2)->Name, "Name");

    TGmXmlNodeList nodes;
    list.SaveToNodes(nodes);
    EXPECT_EQ(NodeNames(nodes), (QStringList{"color", "Left", "Name"}));
}

TEST(PropertyList, IndexOfIsCaseSensitiveAndFindRaises) {
    TPropertyList list;
    list.Add("Width", "", ptLength);
    EXPECT_EQ(list.IndexOf("Width"), 0);
    EXPECT_EQ(list.IndexOf("width"), -1);
    try {
        list.Find("width");
        FAIL() << "Find of a missing name must raise";
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), "Property does not exist");
    }
}

TEST(PropertyList, WritesEachTypeInItsXmlForm) {
    TItemList item;
    TGmXmlNodeList nodes;
    item.List.SaveToNodes(nodes);
    EXPECT_EQ(nodes.Find("Left").Value, "12.5");
    EXPECT_EQ(nodes.Find("Count").Value, "-7");
    EXPECT_EQ(nodes.Find("Visible").Value, "1");
    EXPECT_EQ(nodes.Find("Text").GetText(), "a < b & 'c'");
    EXPECT_EQ(nodes.Find("Align").Value, "2");
    EXPECT_EQ(nodes.Find("Colour").Value, "255");
    EXPECT_EQ(nodes.Find("Brush").Value, "3");
    // An empty picture is the packed form of zero bytes and reads back as none.
    EXPECT_EQ(nodes.Find("Picture").Value, "eNpjYGBgAAAABAAB");
}

TEST(PropertyList, TypesBeyondTheTableAreNeitherWrittenNorRead) {
    TPropertyList list;
    TProperty* odd = list.Add("Odd", "", 12);
    odd->SetInteger(5);
    TGmXmlNodeList nodes;
    list.SaveToNodes(nodes);
    EXPECT_EQ(nodes.Count(), 0);
    nodes.Add("Odd")->SetInteger(9);
    list.LoadFromNodes(nodes);
    EXPECT_EQ(odd->GetInteger(), 5);
}

TEST(PropertyList, RoundTripThroughADocument) {
    TItemList source;
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    TKorvGraphic g;
    g.LoadFromImage(image);
    source.Picture->SetGraphic(g);

    TGmXML doc;
    TGmXmlNode* element = doc.Nodes().Add("Item");
    source.List.SaveToNodes(element->Children());
    TGmXML back;
    back.LoadFromBytes(doc.SaveToBytes());
    ASSERT_EQ(back.Nodes().Count(), 1);

    TItemList target;
    target.Left->SetFloat(0);
    target.List.Modified = false;
    target.List.LoadFromNodes(back.Nodes().Items(0)->Children());
    EXPECT_DOUBLE_EQ(target.Left->GetFloat(), 12.5);
    EXPECT_EQ(target.Count->GetInteger(), -7);
    EXPECT_TRUE(target.Visible->GetBoolean());
    EXPECT_EQ(target.Text->GetString(), "a < b & 'c'");
    EXPECT_EQ(target.Align->GetInteger(), 2);
    EXPECT_EQ(target.Colour->DisplayText(), "clRed");
    EXPECT_EQ(target.Brush->GetInteger(), 3);
    EXPECT_EQ(target.Picture->GetBytes(), g.SaveToString());
    EXPECT_EQ(target.Picture->GetGraphic().Bitmap().pixel(2, 1), qRgb(10, 200, 30));
}

TEST(PropertyList, BooleanLeafReadsAnyNonZeroNumberAsTrue) {
    TPropertyList list;
    TProperty* b = list.Add("Flag", "", ptBoolean);
    for (const auto& [text, expected] : {std::pair{"5", true}, {"1", true}, {"0", false}, {"x", false}}) {
        TGmXmlNodeList nodes;
        nodes.Add("Flag")->Value = text;
        list.LoadFromNodes(nodes);
        EXPECT_EQ(b->GetBoolean(), expected) << text;
    }
}

TEST(PropertyList, MissingLeafKeepsDefaultAndModifiedStaysFalse) {
    TItemList item;
    int changes = 0;
    item.List.OnChange = [&](TPropertyList&, int) { ++changes; };
    TGmXmlNodeList nodes;
    nodes.Add("Count")->SetInteger(42);
    item.List.LoadFromNodes(nodes);
    EXPECT_EQ(item.Count->GetInteger(), 42);
    EXPECT_DOUBLE_EQ(item.Left->GetFloat(), 12.5);
    EXPECT_EQ(item.Align->GetInteger(), 2);
    EXPECT_FALSE(item.List.Modified);
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(item.Count->Loading);
}

TEST(PropertyList, OnlyThePictureLeafRunsCallbacksOnRead) {
    TItemList item;
    std::map<QString, int> changing, changed;
    std::vector<int> listChanges;
    for (int i = 0; i < item.List.Count(); ++i) {
        TProperty* p = item.List.Items(i);
        p->OnChanging = [&](TProperty& q, TPropertyValue&) { ++changing[q.Name]; };
        p->OnChange = [&](TProperty& q, const TPropertyValue&) { ++changed[q.Name]; };
    }
    item.List.OnChange = [&](TPropertyList&, int index) { listChanges.push_back(index); };

    TKorvGraphic g;
    g.LoadFromImage(QImage(2, 2, QImage::Format_RGB32));
    TGmXmlNodeList nodes;
    nodes.Add("Count")->SetInteger(1);
    nodes.Add("Text")->SetText("t");
    nodes.Add("Picture")->Value = PackPictureText(g.SaveToString()).toStdString();
    item.List.LoadFromNodes(nodes);

    EXPECT_TRUE(changing.empty());
    EXPECT_EQ(changed, (std::map<QString, int>{{"Picture", 1}}));
    EXPECT_EQ(listChanges, (std::vector<int>{item.List.IndexOf("Picture")}));
    EXPECT_TRUE(item.List.Modified);
    EXPECT_TRUE(item.Picture->GraphicDecoded());
    EXPECT_EQ(item.Picture->GetGraphic().Width(), 2);
    EXPECT_FALSE(item.Picture->Loading);
}

TEST(Property, SetValueOrderAndOnChangingMayAlterTheValue) {
    TPropertyList list;
    TProperty* p = list.Add("Width", "", ptLength);
    p->SetFloat(10);
    list.Modified = false;

    QStringList log;
    p->OnChanging = [&](TProperty&, TPropertyValue& v) {
        log << "changing";
        v = std::get<double>(v) * 2; // an owner clamping or adjusting a value
    };
    p->OnChange = [&](TProperty& q, const TPropertyValue& old) {
        log << QString("change %1 -> %2").arg(std::get<double>(old)).arg(q.GetFloat());
        EXPECT_TRUE(q.Owner->Modified);
    };
    list.OnChange = [&](TPropertyList&, int index) { log << QString("list %1").arg(index); };
    p->SetFloat(4);
    EXPECT_EQ(log, (QStringList{"changing", "change 10 -> 8", "list 0"}));
    EXPECT_DOUBLE_EQ(p->GetFloat(), 8);

    // Loading suppresses OnChanging only.
    log.clear();
    p->Loading = true;
    p->SetFloat(3);
    p->Loading = false;
    EXPECT_EQ(log, (QStringList{"change 8 -> 3", "list 0"}));
}

TEST(Property, GettersConvertAndNeverRaise) {
    TProperty p;
    EXPECT_TRUE(p.IsEmpty());
    EXPECT_EQ(p.GetInteger(), 0);
    EXPECT_EQ(p.GetFloat(), 0.0);
    EXPECT_FALSE(p.GetBoolean());
    EXPECT_TRUE(p.GetString().isEmpty());

    p.SetString("12");
    EXPECT_EQ(p.GetInteger(), 12);
    EXPECT_DOUBLE_EQ(p.GetFloat(), 12.0);
    p.SetString("abc");
    EXPECT_EQ(p.GetInteger(), 0);
    EXPECT_EQ(p.GetFloat(), 0.0);
    p.SetFloat(2.5e12); // beyond 32 bits
    EXPECT_EQ(p.GetInteger(), 0);
    p.SetFloat(7.0);
    EXPECT_EQ(p.GetInteger(), 7);
    EXPECT_EQ(p.GetString(), "7");
    p.SetStyle(6);
    EXPECT_EQ(p.GetInteger(), 6);
    EXPECT_FALSE(p.IsEmpty());
}

TEST(Property, CopyValueRunsNoCallbacksAndCarriesTheDecodedPicture) {
    TPropertyList from, to;
    TProperty* src = from.Add("Picture", "", ptPicture);
    TProperty* dst = to.Add("Picture", "", ptPicture);
    TKorvGraphic g;
    g.LoadFromImage(QImage(5, 4, QImage::Format_RGB32));
    src->SetGraphic(g);
    int calls = 0;
    dst->OnChanging = [&](TProperty&, TPropertyValue&) { ++calls; };
    dst->OnChange = [&](TProperty&, const TPropertyValue&) { ++calls; };
    to.OnChange = [&](TPropertyList&, int) { ++calls; };

    dst->CopyValue(src);
    EXPECT_EQ(calls, 0);
    EXPECT_FALSE(to.Modified);
    EXPECT_FALSE(dst->Loading);
    EXPECT_TRUE(dst->GraphicDecoded());
    EXPECT_EQ(dst->GetGraphic().NaturalSize(), QSize(5, 4));
    EXPECT_EQ(dst->GetBytes(), src->GetBytes());

    try {
        dst->CopyValue(nullptr);
        FAIL();
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), "Cannot copy value to property.");
    }
}

TEST(PropertyList, AssignValuesCopiesOnlyEqualNames) {
    TPropertyList shape, memo;
    shape.Add("Left", "", ptLength)->SetFloat(1);
    shape.Add("Brush", "", ptFillStyle)->SetStyle(4);
    memo.Add("Left", "", ptLength)->SetFloat(9);
    memo.Add("left", "", ptLength)->SetFloat(8);
    memo.Add("Text", "", ptMemoText)->SetString("keep");
    memo.Modified = false;

    memo.AssignValues(&shape);
    EXPECT_DOUBLE_EQ(memo.Find("Left")->GetFloat(), 1);
    EXPECT_DOUBLE_EQ(memo.Find("left")->GetFloat(), 8);
    EXPECT_EQ(memo.Find("Text")->GetString(), "keep");
    EXPECT_FALSE(memo.Modified);

    try {
        memo.AssignValues(nullptr);
        FAIL();
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), "Expecting property list");
    }
}

} // namespace
