#include "xml/GmXml.h"
#include "xml/GmXmlPool.h"

#include "core/Error.h"
#include "core/Windows1252.h"
#include "platform/AtomicFile.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <mutex>
#include <system_error>

namespace {

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
            AppendUtf8(out, Windows1252::ToUnicode(b));
        }
    }
    if (!out.empty() && out.back() != '\n')
        out.append("\r\n");
    return out;
}

// The high bit of every byte of word that equals b. The lowest bit set is exact; bits
// above it may be false alarms, so only the first match may be taken from it.
inline uint64_t ByteMatches(uint64_t word, unsigned char b) {
    const uint64_t x = word ^ (0x0101010101010101ULL * b);
    return (x - 0x0101010101010101ULL) & ~x & 0x8080808080808080ULL;
}

static_assert(std::endian::native == std::endian::little, "the byte scans read words little-endian");

// Position of the first byte b in [from, to), or to. Tags and values are short but
// documents are long, so eight bytes are looked at together.
inline size_t FindByte(const char* s, size_t from, size_t to, unsigned char b) {
    size_t i = from;
    for (; i + 8 <= to; i += 8) {
        uint64_t word;
        std::memcpy(&word, s + i, 8);
        if (const uint64_t m = ByteMatches(word, b))
            return i + static_cast<size_t>(__builtin_ctzll(m) >> 3);
    }
    while (i < to && static_cast<unsigned char>(s[i]) != b)
        ++i;
    return i;
}

// The high bit of exactly the bytes of word that equal b (no false alarms).
inline uint64_t ExactByteMatches(uint64_t word, unsigned char b) {
    constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const uint64_t x = word ^ (0x0101010101010101ULL * b);
    return ~(((x & kLow7) + kLow7) | x | kLow7);
}

// True when the bytes need no conversion: ASCII only (or declared UTF-8), every line
// break already CR LF, and the text ends with one. Eight bytes at a time: a word is
// sound when its line feeds sit exactly one byte after its carriage returns (the one
// before the word's first byte carried over from the word before).
bool IsParserReady(std::string_view text) {
    const size_t n = text.size();
    if (n < 2 || text[n - 2] != '\r' || text[n - 1] != '\n')
        return false;
    const char* data = text.data();
    const bool utf8 = DeclaresUtf8(data, n);
    if (utf8 && n >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0)
        return false;
    const uint64_t highMask = utf8 ? 0 : 0x8080808080808080ULL;
    uint64_t carry = 0; // 0x80 when the byte before the word is a carriage return
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t word;
        std::memcpy(&word, data + i, 8);
        const uint64_t cr = ExactByteMatches(word, '\r');
        if ((word & highMask) || ExactByteMatches(word, '\n') != ((cr << 8) | carry))
            return false;
        carry = cr >> 56;
    }
    bool afterCr = carry != 0;
    for (; i < n; ++i) {
        const char c = data[i];
        if (((static_cast<unsigned char>(c) & 0x80) && !utf8) || (c == '\n') != afterCr)
            return false;
        afterCr = c == '\r';
    }
    return true;
}

bool IsBlank(const char* p, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (p[i] != ' ' && p[i] != '\r' && p[i] != '\n' && p[i] != '\t')
            return false;
    return true;
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

size_t FloatToChars(double x, char* out) {
    char* o = out;
    auto put = [&](std::string_view t) {
        std::memcpy(o, t.data(), t.size());
        o += t.size();
    };
    if (std::isnan(x)) {
        put("NAN");
        return static_cast<size_t>(o - out);
    }
    if (std::isinf(x)) {
        put(x < 0 ? "-INF" : "INF");
        return static_cast<size_t>(o - out);
    }
    if (x == 0.0) {
        *o++ = '0';
        return 1;
    }
    // 15 significant digits in scientific form ("d.dddddddddddddde+XX"), then laid out
    // plain or scientific without trailing zeros.
    char sci[40];
    const auto res = std::to_chars(sci, sci + sizeof sci, x, std::chars_format::scientific, 14);
    const char* p = sci;
    if (*p == '-') {
        *o++ = '-';
        ++p;
    }
    char digits[16];
    int nd = 0;
    digits[nd++] = *p++;
    if (*p == '.')
        ++p;
    while (*p != 'e')
        digits[nd++] = *p++;
    ++p;
    int exponent = 0;
    if (*p == '+')
        ++p;
    std::from_chars(p, res.ptr, exponent);
    while (nd > 1 && digits[nd - 1] == '0')
        --nd;

    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            *o++ = '0';
            *o++ = '.';
            for (int i = 0; i < -exponent - 1; ++i)
                *o++ = '0';
            std::memcpy(o, digits, static_cast<size_t>(nd));
            o += nd;
        } else {
            const int intDigits = exponent + 1;
            for (int i = 0; i < intDigits; ++i)
                *o++ = i < nd ? digits[i] : '0';
            if (nd > intDigits) {
                *o++ = '.';
                std::memcpy(o, digits + intDigits, static_cast<size_t>(nd - intDigits));
                o += nd - intDigits;
            }
        }
    } else {
        *o++ = digits[0];
        if (nd > 1) {
            *o++ = '.';
            std::memcpy(o, digits + 1, static_cast<size_t>(nd - 1));
            o += nd - 1;
        }
        *o++ = 'E';
        o = std::to_chars(o, o + 8, exponent).ptr;
    }
    return static_cast<size_t>(o - out);
}

std::string FloatToText(double x) {
    char buf[48];
    return std::string(buf, FloatToChars(x, buf));
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

TGmXmlNodeList::TGmXmlNodeList(TGmXmlNode* owner) : m_owner(owner), m_cursor(owner) {}

TGmXmlNodeList::~TGmXmlNodeList() {
    Clear();
}

// Frees the subtrees without recursion, so that a hostile file nested a million deep
// cannot overflow the stack when its document is destroyed.
void TGmXmlNodeList::Clear() {
    m_cursor = m_owner;
    if (m_items.empty())
        return;
    // The work list keeps its capacity from one document to the next on this thread:
    // growing it to a hundred thousand entries for every large document costs more
    // than the freeing itself.
    thread_local std::vector<std::unique_ptr<TGmXmlNode>> scratch;
    thread_local bool scratchInUse = false;
    std::vector<std::unique_ptr<TGmXmlNode>> local;
    const bool useScratch = !scratchInUse;
    std::vector<std::unique_ptr<TGmXmlNode>>& pending = useScratch ? scratch : local;
    scratchInUse = true;
    for (auto& item : m_items)
        pending.push_back(std::move(item));
    m_items.clear();
    while (!pending.empty()) {
        std::unique_ptr<TGmXmlNode> node = std::move(pending.back());
        pending.pop_back();
        auto& children = node->m_children.m_items;
        for (auto& child : children)
            pending.push_back(std::move(child));
        children.clear();
    }
    if (useScratch)
        scratchInUse = false;
}

TGmXmlNode* TGmXmlNodeList::Append(TGmXmlNode* parent) {
    auto& items = parent ? parent->Children().m_items : m_items;
    if (items.capacity() == 0)
        items.reserve(8); // most elements hold a handful of children
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
    const size_t space = tagText.find(' ');
    if (space == std::string_view::npos || tagText.find('=') == std::string_view::npos) {
        node->Name.assign(tagText);
    } else {
        node->Name.assign(tagText.substr(0, space));
        const std::string_view attr = tagText.substr(space);
        TGmXmlNodeAttribute& attribute = node->MutableAttribute();
        attribute.Name.assign(Trim(attr.substr(0, attr.find('='))));
        const size_t quote = attr.find('"');
        if (quote != std::string_view::npos) {
            std::string value;
            for (char c : attr.substr(quote))
                if (c != '"')
                    value.push_back(c);
            attribute.Value.assign(Trim(value));
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

void TGmXmlNodeList::FindEach(std::span<const std::string_view> names,
                              std::span<const TGmXmlNode*> found) const {
    const size_t count = std::min(names.size(), found.size());
    std::fill(found.begin(), found.begin() + static_cast<ptrdiff_t>(count), nullptr);
    size_t left = count;
    size_t next = 0; // where the name of the next child is looked for first
    for (const auto& node : m_items) {
        if (left == 0)
            break;
        for (size_t k = 0; k < count; ++k) {
            const size_t i = next + k < count ? next + k : next + k - count;
            if (!found[i] && node->Name == names[i]) {
                found[i] = node.get();
                --left;
                next = i + 1 == count ? 0 : i + 1;
                break;
            }
        }
    }
    for (size_t i = 0; i < count; ++i)
        if (!found[i])
            found[i] = &TGmXmlNode::MissingNode();
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

const TGmXmlNodeAttribute& TGmXmlNode::Attribute() const {
    static const TGmXmlNodeAttribute none;
    return m_attribute ? *m_attribute : none;
}

TGmXmlNodeAttribute& TGmXmlNode::MutableAttribute() {
    if (!m_attribute)
        m_attribute = std::make_unique<TGmXmlNodeAttribute>();
    return *m_attribute;
}

namespace {

// Blocks a thread left behind when it ended, for the next thread that needs some.
// Without it every thread that built a document (a save on a worker thread, say)
// would take its blocks with it: memory lost for good on every such thread.
struct SparePool {
    std::mutex lock;
    void* free = nullptr; // a NodePool::Block list
    size_t chunks = 0;
};

SparePool& Spares() {
    static SparePool spares;
    return spares;
}

// A free list of node-sized blocks per thread. Blocks are never returned to the
// system, only reused: a node freed on another thread simply joins that thread's list,
// and a thread's list goes to the spares when the thread ends.
struct NodePool {
    struct Block {
        Block* next;
    };
    static constexpr size_t kPerChunk = 512;
    Block* free = nullptr;

    ~NodePool() {
        if (!free)
            return;
        Block* last = free;
        while (last->next)
            last = last->next;
        SparePool& spares = Spares();
        std::lock_guard<std::mutex> guard(spares.lock);
        last->next = static_cast<Block*>(spares.free);
        spares.free = free;
        free = nullptr;
    }

    void* Take() {
        if (!free)
            Grow();
        Block* b = free;
        free = b->next;
        return b;
    }
    void Give(void* p) {
        auto* b = static_cast<Block*>(p);
        b->next = free;
        free = b;
    }
    void Grow() {
        SparePool& spares = Spares();
        {
            std::lock_guard<std::mutex> guard(spares.lock);
            if (spares.free) {
                free = static_cast<Block*>(spares.free);
                spares.free = nullptr;
                return;
            }
            ++spares.chunks;
        }
        auto* chunk = static_cast<char*>(::operator new(kPerChunk * sizeof(TGmXmlNode)));
        for (size_t i = kPerChunk; i-- > 0;)
            Give(chunk + i * sizeof(TGmXmlNode));
    }
};

thread_local NodePool t_nodePool;

} // namespace

size_t GmXmlNodePoolCapacity() {
    SparePool& spares = Spares();
    std::lock_guard<std::mutex> guard(spares.lock);
    return spares.chunks * NodePool::kPerChunk;
}

void* TGmXmlNode::operator new(size_t size) {
    return size == sizeof(TGmXmlNode) ? t_nodePool.Take() : ::operator new(size);
}

void TGmXmlNode::operator delete(void* p, size_t size) {
    if (size == sizeof(TGmXmlNode))
        t_nodePool.Give(p);
    else
        ::operator delete(p);
}

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

// Any integer but 0 is true, as property lists and other installations read flags.
bool TGmXmlNode::GetBoolean() const {
    return GetInteger() != 0;
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

// Visits every node in document order without recursion; enter(node, depth) before a
// node's children, leave(node, depth) after them (leaves get both, back to back).
template <class Enter, class Leave> void Walk(const TGmXmlNodeList& top, Enter enter, Leave leave) {
    struct Frame {
        const TGmXmlNode* node;
        int next;
    };
    std::vector<Frame> stack;
    for (const auto& root : top) {
        stack.push_back({root.get(), 0});
        enter(*root, size_t{0});
        while (!stack.empty()) {
            Frame& f = stack.back();
            const TGmXmlNodeList& children = f.node->Children();
            if (f.next == children.Count()) {
                leave(*f.node, stack.size() - 1);
                stack.pop_back();
                continue;
            }
            const TGmXmlNode* child = children.Items(f.next++);
            enter(*child, stack.size());
            stack.push_back({child, 0});
        }
    }
}

enum class TextKind { Ascii, Cp1252, Utf8 };

TextKind KindOf(const std::string& s) {
    if (IsAscii(s))
        return TextKind::Ascii;
    for (size_t i = 0; i < s.size();) {
        char32_t c = 0;
        const int len = DecodeUtf8(s, i, c);
        if (!len || Windows1252::FromUnicode(c) < 0)
            return TextKind::Utf8;
        i += static_cast<size_t>(len);
    }
    return TextKind::Cp1252;
}

// Writes the document text into a buffer sized exactly beforehand: documents of
// tens of megabytes are composed without a single reallocation.
class TextWriter {
public:
    TextWriter(char* out, bool toCp1252) : m_out(out), m_cp1252(toCp1252) {}
    void Raw(std::string_view t) {
        std::memcpy(m_out, t.data(), t.size());
        m_out += t.size();
    }
    void Text(const std::string& t) {
        if (!m_cp1252) {
            Raw(t);
            return;
        }
        for (size_t i = 0; i < t.size();) {
            const auto b = static_cast<unsigned char>(t[i]);
            if (b < 0x80) {
                *m_out++ = static_cast<char>(b);
                ++i;
                continue;
            }
            char32_t c = 0;
            const int len = DecodeUtf8(t, i, c);
            *m_out++ = static_cast<char>(Windows1252::FromUnicode(c));
            i += static_cast<size_t>(len);
        }
    }
    void Spaces(size_t n) {
        std::memset(m_out, ' ', n);
        m_out += n;
    }
    char* Position() const { return m_out; }

private:
    char* m_out;
    bool m_cp1252;
};

} // namespace

QByteArray TGmXML::SaveToBytes() const {
    if (m_nodes.Count() == 0)
        return {};

    // First pass: the exact size in UTF-8 and whether the text needs more than
    // Windows-1252. Second pass: the text itself.
    const bool indent = AutoIndent;
    size_t size = 0;
    TextKind kind = TextKind::Ascii;
    auto note = [&kind](const std::string& t) {
        if (kind != TextKind::Utf8) {
            const TextKind k = KindOf(t);
            if (k > kind)
                kind = k;
        }
    };
    Walk(
        m_nodes,
        [&](const TGmXmlNode& n, size_t depth) {
            size += (indent ? depth * 2 : 0) + n.Name.size() + 2;
            note(n.Name);
            const TGmXmlNodeAttribute& a = n.Attribute();
            if (!a.Name.empty()) {
                size += a.Name.size() + a.Value.size() + 4;
                note(a.Name);
                note(a.Value);
            }
            if (n.IsLeaf()) {
                size += n.Value.size();
                note(n.Value);
            } else {
                size += 2;
            }
        },
        [&](const TGmXmlNode& n, size_t depth) {
            size += (!n.IsLeaf() && indent ? depth * 2 : 0) + n.Name.size() + 5;
        });

    // Windows-1252 whenever it holds every character, as other installations write;
    // otherwise UTF-8, declared in the header so that nothing is lost.
    const bool utf8 =
        kind == TextKind::Utf8 || Encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0;
    QByteArray header;
    if (IncludeHeader) {
        const QString encoding = utf8 ? QStringLiteral("UTF-8") : Encoding;
        header = "<?xml version=\"1.0\"";
        if (!encoding.isEmpty())
            header += " encoding=\"" + encoding.toLatin1() + "\"";
        header += "?>\r\n";
    }

    QByteArray bytes(static_cast<qsizetype>(header.size() + size), Qt::Uninitialized);
    std::memcpy(bytes.data(), header.constData(), static_cast<size_t>(header.size()));
    TextWriter w(bytes.data() + header.size(), !utf8 && kind == TextKind::Cp1252);
    Walk(
        m_nodes,
        [&](const TGmXmlNode& n, size_t depth) {
            if (indent)
                w.Spaces(depth * 2);
            w.Raw("<");
            w.Text(n.Name);
            const TGmXmlNodeAttribute& a = n.Attribute();
            if (!a.Name.empty()) {
                w.Raw(" ");
                w.Text(a.Name);
                w.Raw("=\"");
                w.Text(a.Value);
                w.Raw("\"");
            }
            w.Raw(">");
            if (n.IsLeaf())
                w.Text(n.Value);
            else
                w.Raw("\r\n");
        },
        [&](const TGmXmlNode& n, size_t depth) {
            if (!n.IsLeaf() && indent)
                w.Spaces(depth * 2);
            w.Raw("</");
            w.Text(n.Name);
            w.Raw(">\r\n");
        });
    // Windows-1252 takes fewer bytes than the UTF-8 the size was counted in.
    bytes.truncate(static_cast<qsizetype>(w.Position() - bytes.constData()));
    return bytes;
}

void TGmXML::SaveToStream(QIODevice& stream) const {
    const QByteArray bytes = SaveToBytes();
    if (!bytes.isEmpty() && stream.write(bytes) != bytes.size())
        throw EFileError(Tr("Cannot write to stream. %1").arg(stream.errorString()));
}

void TGmXML::SaveToFile(const QString& path) const {
    WriteFileAtomically(path, SaveToBytes());
}

QString TGmXmlLoadResult::Describe() const {
    if (Complete())
        return {};
    const QLocale locale;
    const QString total = locale.toString(static_cast<qlonglong>(TotalBytes));
    const QString sound = locale.toString(static_cast<qlonglong>(SoundBytes));
    QString what;
    if (OpenAtEnd > 0 || EndsInTag) {
        const QString name =
            QString::fromUtf8(OpenElement.data(), static_cast<qsizetype>(OpenElement.size()));
        what = name.isEmpty()
                   ? Tr("The document ends in the middle of a tag, after %1 bytes.").arg(total)
                   : Tr("The document ends inside the element \"%1\", after %2 bytes.").arg(name, total);
    } else if (StrayClosings > 0) {
        what = Tr("The document closes %1 element(s) that were never opened.").arg(StrayClosings);
    } else if (DroppedElements > 0) {
        what =
            Tr("The document nests elements too deeply; %1 element(s) were left out.").arg(DroppedElements);
    } else {
        what = Tr("The document holds text outside its elements.");
    }
    return what + QLatin1Char(' ') +
           Tr("Its last complete element ends at byte %1; %2 element(s) were read.")
               .arg(sound, locale.toString(Elements));
}

void TGmXML::LoadFromBytes(const QByteArray& bytes) {
    m_loadResult = TGmXmlLoadResult();
    if (bytes.isEmpty())
        return;
    // Our own files already are what the parser wants: parse them where they stand.
    std::string converted;
    std::string_view text(bytes.constData(), static_cast<size_t>(bytes.size()));
    if (!IsParserReady(text)) {
        converted = NormaliseText(bytes);
        text = converted;
        if (text.empty()) // nothing but a byte-order mark
            return;
    }
    const char* s = text.data();
    const size_t last = text.size() - 1; // the final line feed, never part of anything

    // Elements nested deeper than any document of ours are dropped with their text,
    // so a hostile file cannot build a tree whose depth the callers never expect.
    constexpr int kMaxDepth = 256;
    int depth = 0;
    int skipped = 0;
    for (const TGmXmlNode* c = m_nodes.Cursor(); c; c = c->Parent())
        ++depth;

    TGmXmlLoadResult& result = m_loadResult;
    result.TotalBytes = static_cast<int64_t>(bytes.size());
    size_t p = 0;
    while (p < last) {
        if (s[p] == '<') {
            const size_t end = FindByte(s, p + 1, text.size(), '>');
            if (end == text.size()) {
                result.EndsInTag = true; // the text ends in the middle of a tag
                break;
            }
            const std::string_view tag(s + p, end - p + 1);
            if (tag.size() >= 2 && tag[1] == '/') {
                if (skipped > 0) {
                    --skipped;
                } else if (m_nodes.Cursor()) {
                    m_nodes.CloseChild();
                    --depth;
                    result.SoundBytes = static_cast<int64_t>(end + 1);
                } else {
                    ++result.StrayClosings;
                }
            } else if (tag.size() >= 2 && (tag[1] == '?' || tag[1] == '!')) {
                // header line, comments and declarations carry nothing we keep
            } else if (tag.size() >= 3 && tag[tag.size() - 2] == '/') {
                if (depth < kMaxDepth && skipped == 0) {
                    m_nodes.OpenChild(tag.substr(0, tag.size() - 2));
                    m_nodes.CloseChild();
                    ++result.Elements;
                    result.SoundBytes = static_cast<int64_t>(end + 1);
                } else {
                    ++result.DroppedElements;
                }
            } else if (depth >= kMaxDepth || skipped > 0) {
                ++skipped;
                ++result.DroppedElements;
            } else {
                m_nodes.OpenChild(tag);
                ++depth;
                ++result.Elements;
            }
            p = end + 1;
        } else {
            const size_t end = FindByte(s, p + 1, last, '<');
            // Line breaks and indentation between the children of a container are its
            // text too, but nothing reads or writes a container's text: skip copying them.
            TGmXmlNode* cursor = m_nodes.Cursor();
            if (cursor && skipped == 0 && !(cursor->m_children.Count() > 0 && IsBlank(s + p, end - p)))
                cursor->Value.assign(s + p, end - p);
            else if (!cursor && !IsBlank(s + p, end - p))
                result.TextOutside = true;
            p = end;
        }
    }
    result.OpenAtEnd = skipped;
    for (const TGmXmlNode* c = m_nodes.Cursor(); c; c = c->Parent()) {
        if (result.OpenElement.empty())
            result.OpenElement = c->Name;
        ++result.OpenAtEnd;
    }
}

void TGmXML::LoadFromStream(QIODevice& stream) {
    LoadFromBytes(stream.readAll());
}

void TGmXML::LoadFromFile(const QString& path) {
    LoadFromBytes(ReadWholeFile(path));
}
