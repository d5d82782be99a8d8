#include "properties/Properties.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// The unit selections are process-wide; every test leaves them at millimetres.
class PropertyText : public ::testing::Test {
protected:
    void TearDown() override { SetReportUnits(0); }

    TProperty* Make(std::uint8_t type, const QString& caption = "Caption") {
        return List.Add("P" + QString::number(List.Count()), caption, type);
    }

    // Parses text that must fail and checks the message and that the value stayed.
    void ExpectRejected(TProperty* p, const QString& text, const QString& message) {
        const TPropertyValue before = p->Value();
        List.Modified = false;
        try {
            p->SetDisplayText(text);
            ADD_FAILURE() << "accepted " << text.toStdString();
        } catch (const EBramblexError& e) {
            EXPECT_EQ(e.Message(), message);
        }
        EXPECT_EQ(p->Value(), before);
        EXPECT_FALSE(List.Modified);
    }

    TPropertyList List;
};

TEST_F(PropertyText, LengthInMillimetresAndInches) {
    TProperty* p = Make(ptLength, "Width");
    p->SetFloat(25.4);
    EXPECT_EQ(p->DisplayText(), "25");
    EXPECT_EQ(p->DisplayCaption(), "Width (mm)");

    SetReportUnits(1);
    EXPECT_EQ(p->DisplayText(), "1.00");
    EXPECT_EQ(p->DisplayCaption(), "Width (in)");
    p->SetDisplayText("2");
    EXPECT_DOUBLE_EQ(p->GetFloat(), 50.8);

    ExpectRejected(p, "two", "'two' is not a valid floating point value");
    ExpectRejected(p, "nan", "'nan' is not a valid floating point value");
}

TEST_F(PropertyText, LengthInputFollowsTheUserLocale) {
    struct TRestore {
        QLocale Saved;
        ~TRestore() { QLocale::setDefault(Saved); }
    } restore;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TProperty* p = Make(ptLength);
    SetReportUnits(1);
    p->SetFloat(38.1);
    EXPECT_EQ(p->DisplayText(), "1,50");
    p->SetDisplayText(p->DisplayText());
    EXPECT_DOUBLE_EQ(p->GetFloat(), 38.1);
    p->SetDisplayText("1.500"); // a "." still reads as the decimal point
    EXPECT_DOUBLE_EQ(p->GetFloat(), 38.1);
}

TEST_F(PropertyText, LongLengthInMetresAndFeet) {
    TProperty* p = Make(ptLongLength, "Span");
    p->SetFloat(1500);
    EXPECT_EQ(p->DisplayText(), "1.50");
    EXPECT_EQ(p->DisplayCaption(), "Span (m)");
    p->SetDisplayText("2");
    EXPECT_DOUBLE_EQ(p->GetFloat(), 2000);
    SetReportUnits(1);
    EXPECT_EQ(p->DisplayCaption(), "Span (ft)");
    p->SetDisplayText("1");
    EXPECT_DOUBLE_EQ(p->GetFloat(), 304.8);
}

TEST_F(PropertyText, Integer) {
    TProperty* p = Make(ptInteger);
    p->SetDisplayText(" -12 ");
    EXPECT_EQ(p->GetInteger(), -12);
    EXPECT_EQ(p->DisplayText(), "-12");
    ExpectRejected(p, "12x", "'12x' is not a valid integer value");
    ExpectRejected(p, "99999999999", "'99999999999' is not a valid integer value");
}

TEST_F(PropertyText, BooleanWordsAnyCase) {
    TProperty* p = Make(ptBoolean);
    p->SetDisplayText("TRUE");
    EXPECT_TRUE(p->GetBoolean());
    EXPECT_EQ(p->DisplayText(), "True");
    p->SetDisplayText("false");
    EXPECT_EQ(p->DisplayText(), "False");
    ExpectRejected(p, "yes", "Invalid boolean value 'yes'");
    EXPECT_EQ(p->TextChoices(), (QStringList{"True", "False"}));
}

TEST_F(PropertyText, ChoiceStoresTheIndex) {
    TProperty* p = Make(ptChoice);
    p->Choices = {"A", "B", "C"};
    p->SetDisplayText("C");
    EXPECT_EQ(p->GetInteger(), 2);
    EXPECT_EQ(p->DisplayText(), "C");
    ExpectRejected(p, "D", "Invalid property value");
    p->SetInteger(7); // an index a newer file may hold
    EXPECT_EQ(p->DisplayText(), "");
}

TEST_F(PropertyText, ColourIdentifiersAndHexForm) {
    TProperty* p = Make(ptColour);
    struct {
        std::int32_t Value;
        const char* Text;
    } const rows[] = {
        {0x0000FF, "clRed"},     {0xFFFF00, "clAqua"},
        {0x000080, "clMaroon"},  {0xFF8080, "$00FF8080"},
        {0x000001, "$00000001"}, {static_cast<std::int32_t>(0x80000005), "$80000005"},
    };
    for (const auto& row : rows) {
        p->SetInteger(row.Value);
        EXPECT_EQ(p->DisplayText(), row.Text);
        p->SetInteger(0x123456);
        p->SetDisplayText(row.Text); // every shown form reads back
        EXPECT_EQ(p->GetInteger(), row.Value) << row.Text;
    }
    p->SetDisplayText("clyellow");
    EXPECT_EQ(p->GetInteger(), 0x00FFFF);
    p->SetDisplayText("255");
    EXPECT_EQ(p->DisplayText(), "clRed");
    ExpectRejected(p, "clPink", "'clPink' is not a valid integer value");
    EXPECT_EQ(p->TextChoices().size(), 16);
}

TEST_F(PropertyText, FillAndLineStyles) {
    TProperty* brush = Make(ptFillStyle);
    TProperty* pen = Make(ptLineStyle);
    brush->SetDisplayText("bsDiagCross");
    EXPECT_EQ(brush->GetInteger(), 5);
    EXPECT_TRUE(std::holds_alternative<std::uint8_t>(brush->Value()));
    pen->SetDisplayText("psInsideFrame");
    EXPECT_EQ(pen->GetInteger(), 6);
    EXPECT_EQ(pen->DisplayText(), "psInsideFrame");
    EXPECT_EQ(BrushStyleNames().size(), 8);
    EXPECT_EQ(PenStyleNames().size(), 7);
    ExpectRejected(brush, "psSolid", "Invalid brush style 'psSolid'");
    ExpectRejected(pen, "bsSolid", "Invalid pen style 'bsSolid'");
}

TEST_F(PropertyText, PictureShowsNoneOrGraphicAndIsNotTyped) {
    TProperty* p = Make(ptPicture);
    EXPECT_EQ(p->DisplayText(), "(None)");
    TKorvGraphic g;
    g.LoadFromImage(QImage(1, 1, QImage::Format_RGB32));
    p->SetGraphic(g);
    EXPECT_EQ(p->DisplayText(), "(Graphic)");
    p->SetDisplayText("(None)");
    EXPECT_EQ(p->DisplayText(), "(Graphic)");
}

TEST_F(PropertyText, MemoTextUsesThePluggedConverters) {
    TProperty* p = Make(ptMemoText);
    p->SetDisplayText("[Operator]");
    EXPECT_EQ(p->GetString(), "[Operator]");
    TProperty::SetMemoTextConverters(
        [](const QString& s) { return QString(s).replace("[Operator]", "[Bediener]"); },
        [](const QString& s) { return QString(s).replace("[Bediener]", "[Operator]"); });
    EXPECT_EQ(p->DisplayText(), "[Bediener]");
    p->SetDisplayText("by [Bediener]");
    EXPECT_EQ(p->GetString(), "by [Operator]");
    TProperty::SetMemoTextConverters({}, {});
    EXPECT_EQ(p->DisplayText(), "by [Operator]");
}

TEST_F(PropertyText, FontNamesHoldDefaultSortedWithoutCase) {
    TProperty* p = Make(ptFontName);
    const QStringList names = p->TextChoices();
    ASSERT_TRUE(names.contains("Default"));
    for (int i = 1; i < names.size(); ++i) {
        EXPECT_LE(names[i - 1].compare(names[i], Qt::CaseInsensitive), 0);
        EXPECT_NE(names[i - 1], names[i]);
    }
    p->SetDisplayText("Any Font");
    EXPECT_EQ(p->DisplayText(), "Any Font");
}

TEST_F(PropertyText, TextKeepsTheTextAndOtherTypesOfferTheirChoices) {
    TProperty* p = Make(ptText);
    p->Choices = {"8", "10", "12"};
    p->SetDisplayText("  spaced  ");
    EXPECT_EQ(p->DisplayText(), "  spaced  ");
    EXPECT_EQ(p->TextChoices(), p->Choices);
    EXPECT_EQ(Make(13)->DisplayText(), "");
}

} // namespace
