#pragma once

// Typed, named settings of report pages and page items. One list serves three
// jobs: the property grid shows and edits it, pages write it to and read it from
// their XML elements (one leaf per property), and it tells its owner when a value
// changed. Used on the user-interface thread only.

#include "properties/KorvGraphic.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

class TGmXmlNodeList;
class TPictureBudget;
class TProperty;
class TPropertyList;

// Property types: they decide how a value is held, written to XML and shown as text.
enum : std::uint8_t {
    ptLength = 0,     // double, millimetres, shown in report units
    ptLongLength = 1, // double, millimetres, shown in metres or feet
    ptInteger = 2,
    ptBoolean = 3,
    ptText = 4,
    ptChoice = 5,    // index into Choices
    ptColour = 6,    // 0x00BBGGRR
    ptFillStyle = 7, // byte 0 to 7, BrushStyleNames
    ptLineStyle = 8, // byte 0 to 6, PenStyleNames
    ptPicture = 9,   // TKorvGraphic::SaveToString bytes, empty for none
    ptMemoText = 10, // text with report field tokens
    ptFontName = 11,
    ptTypeCount = 12 // types from here on are neither written nor read
};

// Unset until first stored; then a double, a 32-bit integer, a byte, a boolean, a
// text, or (for pictures) bytes.
using TPropertyValue =
    std::variant<std::monostate, double, std::int32_t, std::uint8_t, bool, QString, QByteArray>;

// A value converted as TProperty's getters convert it, for handlers that see the old
// or the new value before it is stored: 0 or 0.0 when unset or when it does not convert.
double ValueToFloat(const TPropertyValue& value);
std::int32_t ValueToInteger(const TPropertyValue& value);

// Base of the dialogs that edit one property as a whole (anchors, memo texts). The
// property editor sets Property and calls Execute, which returns true when the
// dialog may have stored a new value.
class TPropertyForm {
public:
    virtual ~TPropertyForm() = default;
    virtual bool Execute() { return false; }

    TProperty* Property = nullptr; // not owned
};

class TProperty {
public:
    using ChangingHandler = std::function<void(TProperty& property, TPropertyValue& newValue)>;
    using ChangeHandler = std::function<void(TProperty& property, const TPropertyValue& oldValue)>;

    explicit TProperty(TPropertyList* owner = nullptr) : Owner(owner) {}
    TProperty(const TProperty&) = delete;
    TProperty& operator=(const TProperty&) = delete;

    QString Name;    // unique within its list; also the XML element name
    QString Caption; // localised label of the property grid
    std::uint8_t Type = ptText;
    QStringList Choices;                 // choice texts for ptChoice; suggestions for other types
    TPropertyForm* EditorForm = nullptr; // not owned
    bool TextEditable = false;           // with an EditorForm: the grid cell also takes typing
    bool Loading = false;                // set while values are read or copied: no OnChanging
    ChangingHandler OnChanging;          // may alter the new value before it is stored
    ChangeHandler OnChange;              // after a value was stored
    TPropertyList* Owner = nullptr;      // not owned

    const TPropertyValue& Value() const { return m_value; }
    bool IsEmpty() const { return std::holds_alternative<std::monostate>(m_value); }

    // Stores a value: runs OnChanging (unless Loading), sets the owner's Modified,
    // decodes a picture at once, then runs OnChange and the owner's OnChange.
    void SetValue(TPropertyValue value);

    // Getters convert and never raise: 0, 0.0, false or empty when the value is unset
    // or does not convert.
    double GetFloat() const;
    std::int32_t GetInteger() const;
    bool GetBoolean() const;
    QString GetString() const;
    QByteArray GetBytes() const; // the stored picture bytes

    void SetFloat(double x) { SetValue(x); }
    void SetInteger(std::int32_t n) { SetValue(n); }
    void SetStyle(std::uint8_t style) { SetValue(style); }
    void SetBoolean(bool b) { SetValue(b); }
    void SetString(const QString& text) { SetValue(text); }
    void SetBytes(const QByteArray& bytes) { SetValue(bytes); }
    void SetGraphic(const TKorvGraphic& graphic) { SetValue(graphic.SaveToString()); }

    // The decoded picture; decodes Value first when it is stale. Undecodable bytes
    // give an empty graphic.
    TKorvGraphic& GetGraphic();
    bool GraphicDecoded() const { return m_graphicDecoded; }

    // Copies the source's value as it is: no callbacks, Modified untouched. Raises
    // "Cannot copy value to property." when source is null.
    void CopyValue(const TProperty* source);

    // Text forms of the property grid. SetDisplayText raises the type's message for
    // text that does not fit and leaves the value unchanged then.
    QString DisplayCaption() const;
    QString DisplayText() const;
    void SetDisplayText(const QString& text);
    // What a drop-down offers for this property (empty when nothing).
    QStringList TextChoices() const;

    // Memo texts show field tokens by their localised names; the report layer plugs
    // the two conversions in. Identity until then; an empty function resets it.
    using TextConverter = std::function<QString(const QString&)>;
    static void SetMemoTextConverters(TextConverter toDisplay, TextConverter toStorage);

private:
    TPropertyValue m_value;
    TKorvGraphic m_graphic;
    bool m_graphicDecoded = false;

    friend class TPropertyList;
};

class TPropertyList {
public:
    using ChangeHandler = std::function<void(TPropertyList& list, int index)>;

    TPropertyList() = default;
    TPropertyList(const TPropertyList&) = delete;
    TPropertyList& operator=(const TPropertyList&) = delete;

    bool Modified = false;
    ChangeHandler OnChange;

    // Creates a property owned by the list; the caller names and types it.
    TProperty* Add();
    // Convenience for owners: Add with the usual fields filled in.
    TProperty* Add(const QString& name, const QString& caption, std::uint8_t type);

    int IndexOf(const QString& name) const; // exact, case-sensitive; -1 when absent
    int IndexOf(const TProperty* property) const;
    TProperty* Find(const QString& name) const; // raises "Property does not exist"
    TProperty* Items(int index) const { return m_items[static_cast<size_t>(index)].get(); }
    int Count() const { return static_cast<int>(m_items.size()); }
    void Clear() { m_items.clear(); }

    // Orders by Name ignoring letter case, in the user's locale.
    void Sort();

    // CopyValue for every property whose name the source also has. Raises "Expecting
    // property list" when source is null.
    void AssignValues(const TPropertyList* source);

    void SaveToNodes(TGmXmlNodeList& nodes) const;
    // Missing leaves leave their property alone. Only pictures run callbacks and set
    // Modified. Pictures unpack within budget (one of their own when none is given):
    // beyond it EPictureBudgetError, with the properties before the picture loaded.
    void LoadFromNodes(const TGmXmlNodeList& nodes);
    void LoadFromNodes(const TGmXmlNodeList& nodes, TPictureBudget& budget);

private:
    std::vector<std::unique_ptr<TProperty>> m_items;
};

// Shared text forms.
QString BooleanText(bool value); // localised "True" / "False"
QStringList ColourIdentifiers(); // "clAqua" ... "clYellow"
QString ColourToText(std::int32_t colour);
std::int32_t TextToColour(const QString& text); // identifier or number; raises
QStringList BrushStyleNames();                  // localised, index = style
QStringList PenStyleNames();                    // localised, index = style
// "Default" and the installed font families, sorted ignoring case. Only "Default"
// without a QGuiApplication.
QStringList InstalledFontNames();
