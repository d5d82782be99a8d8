#include "properties/Properties.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "properties/PictureText.h"
#include "xml/GmXml.h"

#include <QCollator>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct TColourIdent {
    const char* Name;
    std::int32_t Value; // 0x00BBGGRR
};

constexpr TColourIdent ColourIdents[] = {
    {"clAqua", 0xFFFF00},   {"clBlack", 0x000000}, {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF},
    {"clGray", 0x808080},   {"clGreen", 0x008000}, {"clLime", 0x00FF00},   {"clMaroon", 0x000080},
    {"clNavy", 0x800000},   {"clOlive", 0x008080}, {"clPurple", 0x800080}, {"clRed", 0x0000FF},
    {"clSilver", 0xC0C0C0}, {"clTeal", 0x808000},  {"clWhite", 0xFFFFFF},  {"clYellow", 0x00FFFF},
};

TProperty::TextConverter& MemoToDisplay() {
    static TProperty::TextConverter f;
    return f;
}

TProperty::TextConverter& MemoToStorage() {
    static TProperty::TextConverter f;
    return f;
}

// Clears Loading however the scope is left.
class TLoadingScope {
public:
    explicit TLoadingScope(TProperty& p) : m_p(p) { m_p.Loading = true; }
    ~TLoadingScope() { m_p.Loading = false; }

private:
    TProperty& m_p;
};

bool ParseInteger(QString text, std::int32_t& out) {
    text = text.trimmed();
    bool ok = false;
    if (text.startsWith(QLatin1Char('$')) || text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        // Hexadecimal covers the full 32 bits, as colours are written.
        const qulonglong v = text.mid(text.startsWith(QLatin1Char('$')) ? 1 : 2).toULongLong(&ok, 16);
        if (!ok || v > 0xFFFFFFFFull)
            return false;
        out = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
        return true;
    }
    const int v = text.toInt(&ok, 10);
    if (ok)
        out = v;
    return ok;
}

std::int32_t IntegerFromText(const QString& text) {
    std::int32_t n = 0;
    if (!ParseInteger(text, n))
        throw EBramblexError(Tr("'%1' is not a valid integer value").arg(text));
    return n;
}

// A number typed by the operator: the user's decimal separator, "." also accepted.
double FloatFromText(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    // No thousands separators: in a locale with "," as decimal separator "1.500" must
    // not turn into fifteen hundred before the "." reading gets its turn.
    QLocale user;
    user.setNumberOptions(QLocale::RejectGroupSeparator);
    double x = user.toDouble(t, &ok);
    if (!ok)
        x = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(x))
        throw EBramblexError(Tr("'%1' is not a valid floating point value").arg(text));
    return x;
}

int IndexIgnoringCase(const QStringList& list, const QString& text) {
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString EntryAt(const QStringList& list, std::int32_t index) {
    return index >= 0 && index < list.size() ? list[index] : QString();
}

template <class... F> struct TOverload : F... { using F::operator()...; };
template <class... F> TOverload(F...) -> TOverload<F...>;

// A brush or pen style typed by its name; raises invalid, its %1 the text, otherwise.
std::uint8_t StyleFromText(const QStringList& names, const QString& text, const QString& invalid) {
    const int i = IndexIgnoringCase(names, text.trimmed());
    if (i < 0)
        throw EBramblexError(invalid.arg(text));
    return static_cast<std::uint8_t>(i);
}

std::int32_t DoubleToInteger(double x) {
    if (!std::isfinite(x))
        return 0;
    const double r = std::nearbyint(x);
    if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(r);
}

} // namespace

// ---------------------------------------------------------------------------
// Shared text forms

QString BooleanText(bool value) {
    return value ? Tr("True") : Tr("False");
}

QStringList ColourIdentifiers() {
    QStringList names;
    for (const auto& c : ColourIdents)
        names << QString::fromLatin1(c.Name);
    return names;
}

QString ColourToText(std::int32_t colour) {
    for (const auto& c : ColourIdents) {
        if (c.Value == colour)
            return QString::fromLatin1(c.Name);
    }
    return QLatin1Char('$') + QString::number(static_cast<std::uint32_t>(colour), 16)
                                  .toUpper()
                                  .rightJustified(8, QLatin1Char('0'));
}

std::int32_t TextToColour(const QString& text) {
    const QString t = text.trimmed();
    for (const auto& c : ColourIdents) {
        if (t.compare(QLatin1String(c.Name), Qt::CaseInsensitive) == 0)
            return c.Value;
    }
    return IntegerFromText(text);
}

QStringList BrushStyleNames() {
    return {Tr("bsSolid"), Tr("bsClear"),     Tr("bsBDiagonal"),  Tr("bsFDiagonal"),
            Tr("bsCross"), Tr("bsDiagCross"), Tr("bsHorizontal"), Tr("bsVertical")};
}

QStringList PenStyleNames() {
    return {Tr("psSolid"),      Tr("psDash"),  Tr("psDot"),        Tr("psDashDot"),
            Tr("psDashDotDot"), Tr("psClear"), Tr("psInsideFrame")};
}

QStringList InstalledFontNames() {
    QStringList all{Tr("Default")};
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        all += QFontDatabase::families();
    std::stable_sort(all.begin(), all.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QStringList names;
    for (const QString& name : all) {
        if (names.isEmpty() || names.last() != name)
            names << name;
    }
    return names;
}

// ---------------------------------------------------------------------------
// TProperty

void TProperty::SetMemoTextConverters(TextConverter toDisplay, TextConverter toStorage) {
    MemoToDisplay() = std::move(toDisplay);
    MemoToStorage() = std::move(toStorage);
}

void TProperty::SetValue(TPropertyValue value) {
    m_graphicDecoded = false;
    if (!Loading && OnChanging)
        OnChanging(*this, value);
    TPropertyValue old = std::exchange(m_value, std::move(value));
    if (Owner)
        Owner->Modified = true;
    if (Type == ptPicture) {
        m_graphic.LoadFromString(GetBytes());
        m_graphicDecoded = true;
    }
    if (OnChange)
        OnChange(*this, old);
    if (Owner && Owner->OnChange)
        Owner->OnChange(*Owner, Owner->IndexOf(this));
}

double ValueToFloat(const TPropertyValue& value) {
    return std::visit(TOverload{
                          [](std::monostate) { return 0.0; },
                          [](double x) { return x; },
                          [](std::int32_t n) { return static_cast<double>(n); },
                          [](std::uint8_t n) { return static_cast<double>(n); },
                          [](bool b) { return b ? 1.0 : 0.0; },
                          [](const QString& s) {
                              bool ok = false;
                              const double x = s.trimmed().toDouble(&ok);
                              return ok ? x : 0.0;
                          },
                          [](const QByteArray&) { return 0.0; },
                      },
                      value);
}

std::int32_t ValueToInteger(const TPropertyValue& value) {
    return std::visit(TOverload{
                          [](std::monostate) { return std::int32_t{0}; },
                          [](double x) { return DoubleToInteger(x); },
                          [](std::int32_t n) { return n; },
                          [](std::uint8_t n) { return static_cast<std::int32_t>(n); },
                          [](bool b) { return std::int32_t{b ? 1 : 0}; },
                          [](const QString& s) {
                              std::int32_t n = 0;
                              return ParseInteger(s, n) ? n : std::int32_t{0};
                          },
                          [](const QByteArray&) { return std::int32_t{0}; },
                      },
                      value);
}

double TProperty::GetFloat() const {
    return ValueToFloat(m_value);
}

std::int32_t TProperty::GetInteger() const {
    return ValueToInteger(m_value);
}

bool TProperty::GetBoolean() const {
    return std::visit(TOverload{
                          [](std::monostate) { return false; },
                          [](double x) { return x != 0.0; },
                          [](std::int32_t n) { return n != 0; },
                          [](std::uint8_t n) { return n != 0; },
                          [](bool b) { return b; },
                          [](const QString& s) {
                              const QString t = s.trimmed();
                              if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                                  return true;
                              bool ok = false;
                              const double x = t.toDouble(&ok);
                              return ok && x != 0.0;
                          },
                          [](const QByteArray&) { return false; },
                      },
                      m_value);
}

QString TProperty::GetString() const {
    return std::visit(TOverload{
                          [](std::monostate) { return QString(); },
                          [](double x) { return GmXmlFormat::FloatToQString(x); },
                          [](std::int32_t n) { return QString::number(n); },
                          [](std::uint8_t n) { return QString::number(n); },
                          [](bool b) { return b ? QStringLiteral("True") : QStringLiteral("False"); },
                          [](const QString& s) { return s; },
                          [](const QByteArray& b) { return QString::fromLatin1(b); },
                      },
                      m_value);
}

QByteArray TProperty::GetBytes() const {
    if (const auto* b = std::get_if<QByteArray>(&m_value))
        return *b;
    if (const auto* s = std::get_if<QString>(&m_value))
        return s->toLatin1();
    return {};
}

TKorvGraphic& TProperty::GetGraphic() {
    if (!m_graphicDecoded) {
        m_graphic.LoadFromString(GetBytes());
        m_graphicDecoded = true;
    }
    return m_graphic;
}

void TProperty::CopyValue(const TProperty* source) {
    if (!source)
        throw EBramblexError(Tr("Cannot copy value to property."));
    if (source == this)
        return;
    TLoadingScope loading(*this);
    m_value = source->m_value;
    if (Type == ptPicture && source->m_graphicDecoded) {
        m_graphic = source->m_graphic;
        m_graphicDecoded = true;
    } else {
        m_graphicDecoded = false;
    }
}

QString TProperty::DisplayCaption() const {
    switch (Type) {
    case ptLength:
        return QStringLiteral("%1 (%2)").arg(Caption, ReportUnitsName());
    case ptLongLength:
        return QStringLiteral("%1 (%2)").arg(Caption, LongUnitsName());
    default:
        return Caption;
    }
}

QString TProperty::DisplayText() const {
    switch (Type) {
    case ptLength:
        return FormatReportUnits(GetFloat());
    case ptLongLength:
        return FormatLongUnits(GetFloat());
    case ptInteger:
        return QString::number(GetInteger());
    case ptBoolean:
        return BooleanText(GetBoolean());
    case ptText:
    case ptFontName:
        return GetString();
    case ptChoice:
        return EntryAt(Choices, GetInteger());
    case ptColour:
        return ColourToText(GetInteger());
    case ptFillStyle:
        return EntryAt(BrushStyleNames(), GetInteger());
    case ptLineStyle:
        return EntryAt(PenStyleNames(), GetInteger());
    case ptPicture:
        return GetBytes().isEmpty() ? Tr("(None)") : Tr("(Graphic)");
    case ptMemoText: {
        const auto& convert = MemoToDisplay();
        return convert ? convert(GetString()) : GetString();
    }
    default:
        return {};
    }
}

void TProperty::SetDisplayText(const QString& text) {
    switch (Type) {
    case ptLength:
        SetFloat(ReportUnitsToMM(FloatFromText(text)));
        break;
    case ptLongLength:
        SetFloat(LongUnitsToMM(FloatFromText(text)));
        break;
    case ptInteger:
        SetInteger(IntegerFromText(text));
        break;
    case ptBoolean: {
        const QString t = text.trimmed();
        if (t.compare(BooleanText(true), Qt::CaseInsensitive) == 0)
            SetBoolean(true);
        else if (t.compare(BooleanText(false), Qt::CaseInsensitive) == 0)
            SetBoolean(false);
        else
            throw EBramblexError(Tr("Invalid boolean value '%1'").arg(text));
        break;
    }
    case ptText:
    case ptFontName:
        SetString(text);
        break;
    case ptChoice: {
        const int i = IndexIgnoringCase(Choices, text);
        if (i < 0)
            throw EBramblexError(Tr("Invalid property value"));
        SetInteger(i);
        break;
    }
    case ptColour:
        SetInteger(TextToColour(text));
        break;
    case ptFillStyle:
        SetStyle(StyleFromText(BrushStyleNames(), text, Tr("Invalid brush style '%1'")));
        break;
    case ptLineStyle:
        SetStyle(StyleFromText(PenStyleNames(), text, Tr("Invalid pen style '%1'")));
        break;
    case ptMemoText: {
        const auto& convert = MemoToStorage();
        SetString(convert ? convert(text) : text);
        break;
    }
    default:
        break; // pictures are chosen from files, not typed
    }
}

QStringList TProperty::TextChoices() const {
    switch (Type) {
    case ptBoolean:
        return {BooleanText(true), BooleanText(false)};
    case ptColour:
        return ColourIdentifiers();
    case ptFillStyle:
        return BrushStyleNames();
    case ptLineStyle:
        return PenStyleNames();
    case ptFontName:
        return InstalledFontNames();
    case ptPicture:
        return {};
    default:
        return Choices;
    }
}

// ---------------------------------------------------------------------------
// TPropertyList

TProperty* TPropertyList::Add() {
    m_items.push_back(std::make_unique<TProperty>(this));
    return m_items.back().get();
}

TProperty* TPropertyList::Add(const QString& name, const QString& caption, std::uint8_t type) {
    TProperty* p = Add();
    p->Name = name;
    p->Caption = caption;
    p->Type = type;
    return p;
}

int TPropertyList::IndexOf(const QString& name) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_items[static_cast<size_t>(i)]->Name == name)
            return i;
    }
    return -1;
}

int TPropertyList::IndexOf(const TProperty* property) const {
    for (int i = 0; i < Count(); ++i) {
        if (m_items[static_cast<size_t>(i)].get() == property)
            return i;
    }
    return -1;
}

TProperty* TPropertyList::Find(const QString& name) const {
    const int i = IndexOf(name);
    if (i < 0)
        throw EBramblexError(Tr("Property does not exist"));
    return Items(i);
}

void TPropertyList::Sort() {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_items.begin(), m_items.end(),
                     [&](const auto& a, const auto& b) { return collator.compare(a->Name, b->Name) < 0; });
}

void TPropertyList::AssignValues(const TPropertyList* source) {
    if (!source)
        throw EBramblexError(Tr("Expecting property list"));
    for (const auto& p : m_items) {
        const int i = source->IndexOf(p->Name);
        if (i >= 0)
            p->CopyValue(source->Items(i));
    }
}

void TPropertyList::SaveToNodes(TGmXmlNodeList& nodes) const {
    for (const auto& p : m_items) {
        if (p->Type >= ptTypeCount)
            continue;
        TGmXmlNode* leaf = nodes.Add(p->Name);
        switch (p->Type) {
        case ptLength:
        case ptLongLength:
            leaf->SetFloat(p->GetFloat());
            break;
        case ptInteger:
        case ptChoice:
        case ptColour:
        case ptFillStyle:
        case ptLineStyle:
            leaf->SetInteger(p->GetInteger());
            break;
        case ptBoolean:
            leaf->SetBoolean(p->GetBoolean());
            break;
        case ptPicture:
            leaf->SetText(QString::fromLatin1(PackPictureText(p->GetBytes())));
            break;
        default: // text, memo text, font name
            leaf->SetText(p->GetString());
            break;
        }
    }
}

void TPropertyList::LoadFromNodes(const TGmXmlNodeList& nodes) {
    TPictureBudget budget;
    LoadFromNodes(nodes, budget);
}

void TPropertyList::LoadFromNodes(const TGmXmlNodeList& nodes, TPictureBudget& budget) {
    for (size_t k = 0; k < m_items.size(); ++k) {
        TProperty& p = *m_items[k];
        if (p.Type >= ptTypeCount)
            continue;
        const TGmXmlNode& leaf = nodes.Find(p.Name);
        if (leaf.IsMissing())
            continue;
        TLoadingScope loading(p);
        switch (p.Type) {
        case ptLength:
        case ptLongLength:
            p.m_value = leaf.GetFloat();
            break;
        case ptInteger:
        case ptChoice:
        case ptColour:
        case ptFillStyle:
        case ptLineStyle:
            p.m_value = leaf.GetInteger();
            break;
        case ptBoolean:
            // Any non-zero number is true, as older files may hold other than 1.
            p.m_value = leaf.GetInteger() != 0;
            break;
        case ptPicture:
            p.SetBytes(UnpackPictureText(QByteArray::fromStdString(leaf.Value), budget));
            break;
        default:
            p.m_value = leaf.GetText();
            break;
        }
        if (p.Type != ptPicture)
            p.m_graphicDecoded = false;
    }
}
