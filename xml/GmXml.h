#pragma once

// The system's own small XML layer: an ordered tree of named elements holding text
// values, written one element per line in a fixed layout and read by a forgiving
// parser that never fails on content. It is not a general XML processor.
//
// Names and values are held as UTF-8 bytes. Value is the text exactly as it stands
// in the file (escaped); GetText undoes the five entities. Files are Windows-1252
// unless the header declares encoding="UTF-8"; a document holding a character that
// Windows-1252 cannot represent is written as UTF-8 with that declaration.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TGmXmlNode;

struct TGmXmlNodeAttribute {
    std::string Name;
    std::string Value;
};

// Ordered children that the list owns, plus the owner node and a build cursor.
class TGmXmlNodeList {
public:
    explicit TGmXmlNodeList(TGmXmlNode* owner = nullptr);
    ~TGmXmlNodeList();
    TGmXmlNodeList(const TGmXmlNodeList&) = delete;
    TGmXmlNodeList& operator=(const TGmXmlNodeList&) = delete;

    // Creates a child of the cursor node (or of the list's level when the cursor is
    // none), appends it and returns it; the cursor does not move.
    TGmXmlNode* Add(std::string_view name);
    TGmXmlNode* Add(const char* name) { return Add(std::string_view(name)); }
    TGmXmlNode* Add(const QString& name);

    // Parser primitives: OpenChild makes a node from an opening tag's text
    // ("<Item Kind=\"A\">") under the cursor and moves the cursor to it; CloseChild
    // moves the cursor to its parent (a closing tag with nothing open is ignored).
    TGmXmlNode* OpenChild(std::string_view tagText);
    void CloseChild();

    int Count() const { return static_cast<int>(m_items.size()); }
    TGmXmlNode* Items(int index) const { return m_items[static_cast<size_t>(index)].get(); }

    // The first node named exactly name (case-sensitive), or the shared missing node,
    // which reads as empty values. Never null; never write into the result.
    const TGmXmlNode& Find(std::string_view name) const;
    const TGmXmlNode& Find(const char* name) const { return Find(std::string_view(name)); }
    const TGmXmlNode& Find(const QString& name) const;
    // The first node named name for changing it, or nullptr.
    TGmXmlNode* FindNode(std::string_view name) const;
    // Find for several distinct names in one pass over the children: found[i] is what
    // Find(names[i]) returns. Cheapest when the children come in the order of names.
    void FindEach(std::span<const std::string_view> names, std::span<const TGmXmlNode*> found) const;

    TGmXmlNode* Owner() const { return m_owner; }
    TGmXmlNode* Cursor() const { return m_cursor; }
    void Clear();

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    TGmXmlNode* Append(TGmXmlNode* parent);

    TGmXmlNode* m_owner;
    TGmXmlNode* m_cursor;
    std::vector<std::unique_ptr<TGmXmlNode>> m_items;
};

class TGmXmlNode {
    friend class TGmXmlNodeList;
    friend class TGmXML;

public:
    explicit TGmXmlNode(TGmXmlNode* parent = nullptr);
    ~TGmXmlNode();
    TGmXmlNode(const TGmXmlNode&) = delete;
    TGmXmlNode& operator=(const TGmXmlNode&) = delete;

    std::string Name;  // UTF-8
    std::string Value; // UTF-8, exactly as in the file (escaped)

    // The one optional attribute (both texts empty when there is none). Only the
    // parser creates attributes; most nodes never have one, so it is kept aside.
    const TGmXmlNodeAttribute& Attribute() const;
    TGmXmlNodeAttribute& MutableAttribute();

    TGmXmlNodeList& Children() { return m_children; }
    const TGmXmlNodeList& Children() const { return m_children; }
    TGmXmlNode* Parent() const { return m_parent; }
    bool IsMissing() const { return m_missing; }

    QString NameText() const { return QString::fromUtf8(Name.data(), static_cast<qsizetype>(Name.size())); }

    // SetText escapes & < > ' " (the apostrophe as "&pos;"); GetText undoes them.
    void SetText(const QString& text);
    QString GetText() const;
    void SetInteger(int32_t n);
    int32_t GetInteger() const; // 0 when Value is not a decimal integer
    void SetFloat(double x);
    double GetFloat() const; // 0.0 when Value is not a number
    void SetBoolean(bool b);
    bool GetBoolean() const; // true for any integer but 0

    int Depth() const;
    bool IsLeaf() const { return m_children.Count() == 0; }

    // The process-wide node that Find returns for absent elements.
    static const TGmXmlNode& MissingNode();

    // Documents hold hundreds of thousands of nodes; they come from a per-thread pool.
    static void* operator new(size_t size);
    static void operator delete(void* p, size_t size);

private:
    struct MissingTag {};
    explicit TGmXmlNode(MissingTag);

    TGmXmlNode* m_parent;
    std::unique_ptr<TGmXmlNodeAttribute> m_attribute;
    bool m_missing = false;
    TGmXmlNodeList m_children;
};

// How the last load of a document went. The parser is forgiving and builds what it
// can, so a document cut off (a copy or a save interrupted, a full disk) loads in part
// without failing; this says whether the text ended where a document ends and how far
// the sound part goes, so that callers can warn and refuse to write over the file.
struct TGmXmlLoadResult {
    int Elements = 0;         // elements read
    int OpenAtEnd = 0;        // elements still open when the text ended
    bool EndsInTag = false;   // the text ended in the middle of a tag
    int StrayClosings = 0;    // closing tags with no element open
    int DroppedElements = 0;  // elements nested too deeply, dropped with their text
    bool TextOutside = false; // text other than blanks outside every element
    // The bytes loaded, and how far the text goes up to the end of the last element
    // that was closed (counted in the parsed text, which is the file's bytes for ASCII
    // text with CR LF, as this system writes it).
    int64_t TotalBytes = 0;
    int64_t SoundBytes = 0;
    std::string OpenElement; // the innermost element open at the end (UTF-8)

    bool Complete() const {
        return OpenAtEnd == 0 && !EndsInTag && StrayClosings == 0 && DroppedElements == 0 && !TextOutside;
    }
    // Empty when complete; otherwise one sentence on what is wrong and how far the sound
    // part goes, such as "The document ends inside the element "Measurement", after
    // 10 480 000 bytes; its last complete element ends at byte 10 479 950."
    QString Describe() const;
};

class TGmXML {
public:
    TGmXML();
    ~TGmXML();
    TGmXML(const TGmXML&) = delete;
    TGmXML& operator=(const TGmXML&) = delete;

    TGmXmlNodeList& Nodes() { return m_nodes; }
    const TGmXmlNodeList& Nodes() const { return m_nodes; }

    bool IncludeHeader = true;
    bool AutoIndent = true;
    // Encoding declaration to write. Empty: chosen per document (none for text that
    // Windows-1252 holds, "UTF-8" otherwise).
    QString Encoding;
    QString About() const;

    // The document text as bytes (zero bytes for an empty document).
    QByteArray SaveToBytes() const;
    void SaveToStream(QIODevice& stream) const;
    // Writes whole or not at all: a temporary file in the same folder, flushed to disk
    // and renamed over path. Raises EFileError "Cannot create file "%s". %s".
    void SaveToFile(const QString& path) const;

    // Parses bytes into Nodes (adding to what is there). Never fails on content.
    void LoadFromBytes(const QByteArray& bytes);
    void LoadFromStream(QIODevice& stream);
    // Raises EFileError "Cannot open file "%s". %s"; the document is left as it was.
    void LoadFromFile(const QString& path);
    // What the last load met (a default, complete result before any load).
    const TGmXmlLoadResult& LoadResult() const { return m_loadResult; }

private:
    TGmXmlNodeList m_nodes;
    TGmXmlLoadResult m_loadResult;
};

// Locale-independent number text used by the XML layer and the settings store.
namespace GmXmlFormat {
std::string FloatToText(double x); // at most 15 significant digits, "1.7E308", "5E-5"
bool TextToFloat(std::string_view text, double& out);
bool TextToInteger(std::string_view text, int32_t& out);
QString FloatToQString(double x);
} // namespace GmXmlFormat
