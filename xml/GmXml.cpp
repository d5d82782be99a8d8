#include "xml/GmXml.h"

#include "core/Error.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

namespace {

// ---------------------------------------------------------------------------
// Windows-1252 <-> UTF-8. The five bytes that Windows-1252 leaves undefined map to
// the C1 controls of the same value so that every byte survives a load and save.

constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t Cp1252ToUnicode(unsigned char b) {
    return (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b;
}

// Returns the Windows-1252 byte for a code point, or -1 when it has none.
int UnicodeToCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c)
            return 0x80 + i;
    return -1;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when it is not valid UTF-8.
int DecodeUtf8(const std::string& s, size_t i, char32_t& c) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    const size_t left = s.size() - i;
    auto cont = [&](size_t k) { return (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80; };
    if (b0 < 0x80) {
        c = b0;
        return 1;
    }
    if (b0 >= 0xC2 && b0 < 0xE0 && left >= 2 && cont(1)) {
        c = ((b0 & 0x1F) << 6) | (s[i + 1] & 0x3F);
        return 2;
    }
    if (b0 >= 0xE0 && b0 < 0xF0 && left >= 3 && cont(1) && cont(2)) {
        c = ((b0 & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
        return c >= 0x800 ? 3 : 0;
    }
    if (b0 >= 0xF0 && b0 < 0xF5 && left >= 4 && cont(1) && cont(2) && cont(3)) {
        c = ((b0 & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) | (s[i + 3] & 0x3F);
        return c >= 0x10000 ? 4 : 0;
    }
    return 0;
}

// The document text as Windows-1252 bytes when every character has one; false leaves
// out alone and means the text must be written as UTF-8.
bool Utf8ToCp1252(const std::string& text, QByteArray& out) {
    out.resize(static_cast<qsizetype>(text.size()));
    char* dst = out.data();
    size_t n = 0;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            dst[n++] = static_cast<char>(b);
            ++i;
            continue;
        }
        char32_t c = 0;
        const int len = DecodeUtf8(text, i, c);
        const int mapped = len ? UnicodeToCp1252(c) : -1;
        if (mapped < 0)
            return false;
        dst[n++] = static_cast<char>(mapped);
        i += static_cast<size_t>(len);
    }
    out.resize(static_cast<qsizetype>(n));
    return true;
}

bool IsAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char ch) { return static_cast<unsigned char>(ch) < 0x80; });
}

// True when the bytes start (after an optional byte-order mark) with an XML header
// that declares UTF-8. Only the header line is looked at.
bool DeclaresUtf8(const char* data, size_t size) {
    size_t i = 0;
    if (size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
        return true;
    while (i < size && (data[i] == ' ' || data[i] == '\t' || data[i] == '\r' || data[i] == '\n'))
        ++i;
    if (size - i < 5 || std::memcmp(data + i, "<?xml", 5) != 0)
        return false;
    const size_t limit = std::min(size, i + 256);
    std::string header;
    for (size_t k = i; k < limit && data[k] != '>'; ++k)
        header.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(data[k]))));
    const size_t at = header.find("encoding");
    if (at == std::string::npos)
        return false;
    const size_t q = header.find_first_of("\"'", at);
    return q != std::string::npos && header.compare(q + 1, 5, "utf-8") == 0;
}

// Turns the file bytes into UTF-8 text with CR LF after every line, as the parser
// expects: lines split at CR, LF or CR LF are joined again with CR LF.
std::string NormaliseText(const QByteArray& bytes) {
    const char* data = bytes.constData();
    size_t size = static_cast<size_t>(bytes.size());
    const bool utf8 = DeclaresUtf8(data, size);
    if (utf8 && size >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) {
        data += 3;
        size -= 3;
    }
    std::string out;
    out.reserve(size + size / 32 + 2);
    for (size_t i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        if (b == '\r') {
            out.append("\r\n");
            if (i + 1 < size && data[i + 1] == '\n')
                ++i;
        } else if (b == '\n') {
            out.append("\r\n");
        } else if (b < 0x80 || utf8) {
            out.push_back(static_cast<char>(b));
        } else {
            AppendUtf8(out, Cp1252ToUnicode(b));
        }
    }
    if (!out.empty() && out.back() != '\n')
        out.append("\r\n");
    return out;
}

std::string EscapeText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    std::string out;
    out.reserve(static_cast<size_t>(utf8.size()));
    for (const char ch : utf8) {
        switch (ch) {
        case '&':
            out.append("&amp;");
            break;
        case '<':
            out.append("&lt;");
            break;
        case '>':
            out.append("&gt;");
            break;
        case '\'':
            out.append("&pos;");
            break;
        case '"':
            out.append("&quot;");
            break;
        default:
            out.push_back(ch);
        }
    }
    return out;
}

// One left-to-right pass; equivalent to replacing the entities one after the other
// ("&quot;", "&pos;", "&gt;", "&lt;", then "&amp;") because entities never overlap.
QString UnescapeText(const std::string& value) {
    if (value.find('&') == std::string::npos)
        return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
    static constexpr struct {
        std::string_view entity;
        char ch;
    } kEntities[] = {{"&quot;", '"'}, {"&pos;", '\''}, {"&gt;", '>'}, {"&lt;", '<'}, {"&amp;", '&'}};
    std::string out;
    out.reserve(value.size());
    const std::string_view v(value);
    for (size_t i = 0; i < v.size();) {
        bool matched = false;
        if (v[i] == '&') {
            for (const auto& e : kEntities) {
                if (v.compare(i, e.entity.size(), e.entity) == 0) {
                    out.push_back(e.ch);
                    i += e.entity.size();
                    matched = true;
                    break;
                }
            }
        }
        if (!matched)
            out.push_back(v[i++]);
    }
    return QString::fromUtf8(out.data(), static_cast<qsizetype>(out.size()));
}

std::string_view Trim(std::string_view s) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

// ---------------------------------------------------------------------------
// Numbers

namespace GmXmlFormat {

std::string FloatToText(double x) {
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x < 0 ? "-INF" : "INF";
    if (x == 0.0)
        return "0";
    // 15 significant digits in scientific form, then laid out plain or scientific.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    std::string out;
    if (sci.front() == '-') {
        out.push_back('-');
        sci.remove_prefix(1);
    }
    const size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c != '.')
            digits.push_back(c);
    int exponent = 0;
    std::string_view expText = sci.substr(ePos + 1);
    if (!expText.empty() && expText.front() == '+')
        expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            out.append("0.");
            out.append(static_cast<size_t>(-exponent - 1), '0');
            out.append(digits);
        } else {
            const size_t intDigits = static_cast<size_t>(exponent) + 1;
            if (digits.size() <= intDigits) {
                out.append(digits);
                out.append(intDigits - digits.size(), '0');
            } else {
                out.append(digits, 0, intDigits);
                out.push_back('.');
                out.append(digits, intDigits, std::string::npos);
            }
        }
    } else {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits, 1, std::string::npos);
        }
        out.push_back('E');
        out.append(std::to_string(exponent));
    }
    return out;
}

QString FloatToQString(double x) {
    return QString::fromStdString(FloatToText(x));
}

bool TextToFloat(std::string_view text, double& out) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    // Only plain decimal forms: from_chars would also take "inf", "nan" and hex.
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+'))
            return false;
    double value = 0.0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size())
        return false;
    out = value;
    return true;
}

bool TextToInteger(std::string_view text, int32_t& out) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    int32_t value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size())
        return false;
    out = value;
    return true;
}

} // namespace GmXmlFormat

// ---------------------------------------------------------------------------
// Node lists

namespace {

// Frees a subtree without recursion, so that a hostile file nested a million deep
// cannot overflow the stack when its document is destroyed.
void DestroyIteratively(std::vector<std::unique_ptr<TGmXmlNode>>& items) {
    std::vector<std::unique_ptr<TGmXmlNode>> pending;
    while (!items.empty()) {
        pending.push_back(std::move(items.back()));
        items.pop_back();
    }
    while (!pending.empty()) {
        std::unique_ptr<TGmXmlNode> node = std::move(pending.back());
        pending.pop_back();
        TGmXmlNodeList& children = node->Children();
        for (int i = children.Count() - 1; i >= 0; --i)
            pending.push_back(children.Take(i));
    }
}

} // namespace

TGmXmlNodeList::TGmXmlNodeList(TGmXmlNode* owner) : m_owner(owner), m_cursor(owner) {}

TGmXmlNodeList::~TGmXmlNodeList() {
    Clear();
}

void TGmXmlNodeList::Clear() {
    DestroyIteratively(m_items);
    m_cursor = m_owner;
}

std::unique_ptr<TGmXmlNode> TGmXmlNodeList::Take(int index) {
    auto node = std::move(m_items[static_cast<size_t>(index)]);
    m_items.erase(m_items.begin() + index);
    return node;
}

TGmXmlNode* TGmXmlNodeList::Append(TGmXmlNode* parent) {
    auto& items = parent ? parent->Children().m_items : m_items;
    items.push_back(std::make_unique<TGmXmlNode>(parent));
    return items.back().get();
}

TGmXmlNode* TGmXmlNodeList::Add(std::string_view name) {
    TGmXmlNode* node = Append(m_cursor);
    node->Name.assign(name);
    return node;
}

TGmXmlNode* TGmXmlNodeList::Add(const QString& name) {
    const QByteArray utf8 = name.toUtf8();
    return Add(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

TGmXmlNode* TGmXmlNodeList::OpenChild(std::string_view tagText) {
    if (!tagText.empty() && tagText.front() == '<')
        tagText.remove_prefix(1);
    if (!tagText.empty() && tagText.back() == '>')
        tagText.remove_suffix(1);
    TGmXmlNode* node = Append(m_cursor);
    const size_t eq = tagText.find('=');
    const size_t space = tagText.find(' ');
    if (eq == std::string_view::npos || space == std::string_view::npos) {
        node->Name.assign(tagText);
    } else {
        node->Name.assign(tagText.substr(0, space));
        const std::string_view attr = tagText.substr(space);
        node->Attribute.Name.assign(Trim(attr.substr(0, attr.find('='))));
        const size_t quote = attr.find('"');
        if (quote != std::string_view::npos) {
            std::string value;
            for (char c : attr.substr(quote))
                if (c != '"')
                    value.push_back(c);
            node->Attribute.Value.assign(Trim(value));
        }
    }
    m_cursor = node;
    return node;
}

void TGmXmlNodeList::CloseChild() {
    if (m_cursor && m_cursor != m_owner)
        m_cursor = m_cursor->Parent();
}

TGmXmlNode* TGmXmlNodeList::FindNode(std::string_view name) const {
    for (const auto& node : m_items)
        if (node->Name == name)
            return node.get();
    return nullptr;
}

const TGmXmlNode& TGmXmlNodeList::Find(std::string_view name) const {
    const TGmXmlNode* node = FindNode(name);
    return node ? *node : TGmXmlNode::MissingNode();
}

const TGmXmlNode& TGmXmlNodeList::Find(const QString& name) const {
    const QByteArray utf8 = name.toUtf8();
    return Find(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}

// ---------------------------------------------------------------------------
// Nodes

TGmXmlNode::TGmXmlNode(TGmXmlNode* parent) : m_parent(parent), m_children(this) {}

TGmXmlNode::TGmXmlNode(MissingTag) : m_parent(nullptr), m_missing(true), m_children(this) {}

TGmXmlNode::~TGmXmlNode() = default;

const TGmXmlNode& TGmXmlNode::MissingNode() {
    static const TGmXmlNode missing{MissingTag{}};
    return missing;
}

void TGmXmlNode::SetText(const QString& text) {
    Value = EscapeText(text);
}

QString TGmXmlNode::GetText() const {
    return UnescapeText(Value);
}

void TGmXmlNode::SetInteger(int32_t n) {
    Value = std::to_string(n);
}

int32_t TGmXmlNode::GetInteger() const {
    int32_t n = 0;
    return GmXmlFormat::TextToInteger(Value, n) ? n : 0;
}

void TGmXmlNode::SetFloat(double x) {
    Value = GmXmlFormat::FloatToText(x);
}

double TGmXmlNode::GetFloat() const {
    double x = 0.0;
    return GmXmlFormat::TextToFloat(Value, x) ? x : 0.0;
}

void TGmXmlNode::SetBoolean(bool b) {
    Value = b ? "1" : "0";
}

bool TGmXmlNode::GetBoolean() const {
    return GetInteger() == 1;
}

int TGmXmlNode::Depth() const {
    int depth = 0;
    for (const TGmXmlNode* p = m_parent; p; p = p->m_parent)
        ++depth;
    return depth;
}

// ---------------------------------------------------------------------------
// Documents

TGmXML::TGmXML() : m_nodes(nullptr) {}

TGmXML::~TGmXML() = default;

QString TGmXML::About() const {
    return QStringLiteral("TGmXML v%1").arg(1.0, 0, 'f', 6);
}

namespace {

void WriteNodes(const TGmXmlNodeList& top, bool indent, std::string& out) {
    struct Frame {
        const TGmXmlNode* node;
        int next; // index of the next child to write
    };
    std::vector<Frame> stack;
    auto openTag = [&](const TGmXmlNode& n, size_t depth) {
        if (indent)
            out.append(depth * 2, ' ');
        out.push_back('<');
        out.append(n.Name);
        if (!n.Attribute.Name.empty()) {
            out.push_back(' ');
            out.append(n.Attribute.Name);
            out.append("=\"");
            out.append(n.Attribute.Value);
            out.push_back('"');
        }
        out.push_back('>');
    };
    auto closeTag = [&](const TGmXmlNode& n) {
        out.append("</");
        out.append(n.Name);
        out.append(">\r\n");
    };
    for (const auto& root : top) {
        stack.push_back({root.get(), 0});
        openTag(*root, 0);
        if (root->IsLeaf()) {
            out.append(root->Value);
            closeTag(*root);
            stack.pop_back();
            continue;
        }
        out.append("\r\n");
        while (!stack.empty()) {
            Frame& f = stack.back();
            const TGmXmlNodeList& children = f.node->Children();
            if (f.next == children.Count()) {
                if (indent)
                    out.append((stack.size() - 1) * 2, ' ');
                closeTag(*f.node);
                stack.pop_back();
                continue;
            }
            const TGmXmlNode* child = children.Items(f.next++);
            openTag(*child, stack.size());
            if (child->IsLeaf()) {
                out.append(child->Value);
                closeTag(*child);
            } else {
                out.append("\r\n");
                stack.push_back({child, 0});
            }
        }
    }
}

} // namespace

QByteArray TGmXML::SaveToBytes() const {
    if (m_nodes.Count() == 0)
        return {};
    std::string body;
    WriteNodes(m_nodes, AutoIndent, body);

    // Windows-1252 whenever it holds every character, as other installations write;
    // otherwise UTF-8, declared in the header so that nothing is lost.
    QByteArray bytes;
    bool utf8 = Encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
    if (!utf8 && !IsAscii(body))
        utf8 = !Utf8ToCp1252(body, bytes);
    else if (!utf8)
        bytes = QByteArray(body.data(), static_cast<qsizetype>(body.size()));
    if (utf8)
        bytes = QByteArray(body.data(), static_cast<qsizetype>(body.size()));

    QByteArray header;
    if (IncludeHeader) {
        const QString encoding = utf8 ? QStringLiteral("UTF-8") : Encoding;
        header = "<?xml version=\"1.0\"";
        if (!encoding.isEmpty())
            header += " encoding=\"" + encoding.toLatin1() + "\"";
        header += "?>\r\n";
    }
    return header + bytes;
}

void TGmXML::SaveToStream(QIODevice& stream) const {
    const QByteArray bytes = SaveToBytes();
    if (!bytes.isEmpty() && stream.write(bytes) != bytes.size())
        throw EFileError(Tr("Cannot write to stream. %1").arg(stream.errorString()));
}

void TGmXML::SaveToFile(const QString& path) const {
    WriteFileAtomically(path, SaveToBytes());
}

void TGmXML::LoadFromBytes(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return;
    const std::string text = NormaliseText(bytes);
    const char* s = text.data();
    const size_t last = text.size() - 1; // the final line feed, never part of anything

    // Elements nested deeper than any document of ours are dropped with their text,
    // so a hostile file cannot build a tree whose depth the callers never expect.
    constexpr int kMaxDepth = 256;
    int depth = 0;
    int skipped = 0;
    for (const TGmXmlNode* c = m_nodes.Cursor(); c; c = c->Parent())
        ++depth;

    size_t p = 0;
    while (p < last) {
        if (s[p] == '<') {
            const void* close = std::memchr(s + p, '>', text.size() - p);
            if (!close)
                break; // the text ends in the middle of a tag
            const size_t end = static_cast<size_t>(static_cast<const char*>(close) - s);
            const std::string_view tag(s + p, end - p + 1);
            if (tag.size() >= 2 && tag[1] == '/') {
                if (skipped > 0) {
                    --skipped;
                } else if (m_nodes.Cursor()) {
                    m_nodes.CloseChild();
                    --depth;
                }
            } else if (tag.size() >= 2 && (tag[1] == '?' || tag[1] == '!')) {
                // header line, comments and declarations carry nothing we keep
            } else if (tag.size() >= 3 && tag[tag.size() - 2] == '/') {
                if (depth < kMaxDepth && skipped == 0) {
                    m_nodes.OpenChild(tag.substr(0, tag.size() - 2));
                    m_nodes.CloseChild();
                }
            } else if (depth >= kMaxDepth || skipped > 0) {
                ++skipped;
            } else {
                m_nodes.OpenChild(tag);
                ++depth;
            }
            p = end + 1;
        } else {
            const void* lt = std::memchr(s + p, '<', last - p);
            const size_t end = lt ? static_cast<size_t>(static_cast<const char*>(lt) - s) : last;
            TGmXmlNode* cursor = m_nodes.Cursor();
            if (cursor && skipped == 0)
                cursor->Value.assign(s + p, end - p);
            p = end;
        }
    }
}

void TGmXML::LoadFromStream(QIODevice& stream) {
    LoadFromBytes(stream.readAll());
}

void TGmXML::LoadFromFile(const QString& path) {
    LoadFromBytes(ReadWholeFile(path));
}
