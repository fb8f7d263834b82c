#include "suite/core/XmlDocument.h"

#include "suite/core/ErrorLog.h"

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace suite {

namespace {

// Parsed as a fragment so that text, extra elements or a misplaced declaration at top level stay
// visible and can be refused with a clear message; pugixml would otherwise drop or accept them
// silently. Whitespace-only text is not kept, as the platform DOM does by default.
constexpr unsigned kParseOptions = pugi::parse_full | pugi::parse_fragment;

// Names reaching the tree unchecked would make the serialised text unparsable.
bool isXmlName(const QString &name)
{
    if (name.isEmpty())
        return false;
    const QList<uint> codePoints = name.toUcs4();
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        const char32_t c = codePoints.at(i);
        const bool startChar = QChar::isLetter(c) || c == '_' || c == ':';
        const bool laterChar = QChar::isDigit(c) || QChar::isMark(c) || c == '-' || c == '.';
        if (!startChar && (i == 0 || !laterChar))
            return false;
    }
    return true;
}

bool acceptName(const QString &name, const QString &where, const QString &kind)
{
    if (isXmlName(name))
        return true;
    ErrorLog::instance().warning(where, QStringLiteral("Invalid %1 name \"%2\"").arg(kind, name));
    return false;
}

// Appends text with the given characters replaced by their references; runs without them are
// copied in one piece because most values have none.
template<typename Replacement>
void appendEscaped(std::string &out, std::string_view text, Replacement replacement)
{
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char *reference = replacement(text[i]);
        if (!reference)
            continue;
        out.append(text.substr(runStart, i - runStart));
        out.append(reference);
        runStart = i + 1;
    }
    out.append(text.substr(runStart));
}

const char *textReference(char c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    default:
        return nullptr;
    }
}

// Tab, line feed and carriage return are written as references because a parser turns them
// into spaces when they appear literally in an attribute value.
const char *attributeReference(char c)
{
    switch (c) {
    case '"':
        return "&quot;";
    case '\t':
        return "&#9;";
    case '\n':
        return "&#10;";
    case '\r':
        return "&#13;";
    default:
        return textReference(c);
    }
}

void writeAttributes(const pugi::xml_node &node, std::string &out)
{
    for (const pugi::xml_attribute &attribute : node.attributes()) {
        out += ' ';
        out += attribute.name();
        out += "=\"";
        appendEscaped(out, attribute.value(), attributeReference);
        out += '"';
    }
}

// Writes everything of a node up to its content: an element's start tag (or its empty form),
// or the whole of any other node.
void writeStart(const pugi::xml_node &node, std::string &out)
{
    switch (node.type()) {
    case pugi::node_element:
        out += '<';
        out += node.name();
        writeAttributes(node, out);
        out += node.first_child() ? ">" : "/>";
        break;
    case pugi::node_pcdata:
        appendEscaped(out, node.value(), textReference);
        break;
    case pugi::node_cdata:
        out += "<![CDATA[";
        out += node.value();
        out += "]]>";
        break;
    case pugi::node_comment:
        out += "<!--";
        out += node.value();
        out += "-->";
        break;
    case pugi::node_pi:
        out += "<?";
        out += node.name();
        if (*node.value()) {
            out += ' ';
            out += node.value();
        }
        out += "?>";
        break;
    case pugi::node_declaration:
        out += "<?xml";
        writeAttributes(node, out);
        out += "?>";
        break;
    case pugi::node_doctype:
        out += "<!DOCTYPE ";
        out += node.value();
        out += '>';
        break;
    case pugi::node_null:
    case pugi::node_document:
        break;
    }
}

// Depth-first without recursion, so that deeply nested documents cannot exhaust the stack.
void writeTree(const pugi::xml_node &top, std::string &out)
{
    pugi::xml_node node = top;
    for (;;) {
        writeStart(node, out);
        if (node.type() == pugi::node_element && node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != top && !node.next_sibling()) {
            node = node.parent();
            out += "</";
            out += node.name();
            out += '>';
        }
        if (node == top)
            return;
        node = node.next_sibling();
    }
}

QString serialise(const pugi::xml_node &node)
{
    std::string out;
    if (node.type() == pugi::node_document) {
        for (const pugi::xml_node &child : node.children())
            writeTree(child, out);
    } else {
        writeTree(node, out);
    }
    return QString::fromStdString(out);
}

void appendDescendantText(const pugi::xml_node &top, std::string &out)
{
    pugi::xml_node node = top.first_child();
    while (node && node != top) {
        const pugi::xml_node_type type = node.type();
        if (type == pugi::node_pcdata || type == pugi::node_cdata)
            out += node.value();
        if (type == pugi::node_element && node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != top && !node.next_sibling())
            node = node.parent();
        if (node != top)
            node = node.next_sibling();
    }
}

// pugixml leaves these to the caller once parsing as a fragment; an empty description means
// the top level is well formed. The offset of the offending node goes to errorOffset.
QString topLevelProblem(const pugi::xml_document &document, std::ptrdiff_t &errorOffset)
{
    int elements = 0;
    for (const pugi::xml_node &node : document.children()) {
        errorOffset = node.offset_debug();
        switch (node.type()) {
        case pugi::node_element:
            if (++elements > 1)
                return QStringLiteral("Only one top-level element is allowed");
            break;
        case pugi::node_pcdata:
        case pugi::node_cdata:
            return QStringLiteral("Text is not allowed outside the document element");
        case pugi::node_declaration:
            if (node != document.first_child())
                return QStringLiteral("The XML declaration must come first");
            break;
        default:
            break;
        }
    }
    errorOffset = 0;
    return elements == 0 ? QStringLiteral("No document element found") : QString();
}

// pugixml reports offsets in UTF-8 bytes of the converted text; people count characters.
qsizetype characterIndex(const QString &text, std::ptrdiff_t utf8Offset)
{
    std::ptrdiff_t bytes = 0;
    qsizetype index = 0;
    while (index < text.size() && bytes < utf8Offset) {
        const char16_t c = text.at(index).unicode();
        bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : QChar::isSurrogate(c) ? 2 : 3;
        ++index;
    }
    return index;
}

QString describeParseError(const QString &text, std::ptrdiff_t utf8Offset, const QString &problem)
{
    const qsizetype index = characterIndex(text, utf8Offset);
    const QStringView before = QStringView(text).left(index);
    const qsizetype line = before.count(u'\n') + 1;
    const qsizetype column = index - (before.lastIndexOf(u'\n') + 1) + 1;
    return QStringLiteral("%1 at line %2, column %3 (offset %4)")
        .arg(problem)
        .arg(line)
        .arg(column)
        .arg(index);
}

// Compiles a path that must select nodes; anything else is recorded and gives no query.
std::optional<pugi::xpath_query> compileNodeQuery(const QString &path, const QString &where)
{
    QString problem;
    try {
        pugi::xpath_query query(path.toUtf8().constData());
        if (query.return_type() == pugi::xpath_type_node_set)
            return query;
        problem = QStringLiteral("the expression does not select nodes");
    } catch (const pugi::xpath_exception &error) {
        problem = QStringLiteral("%1 at offset %2")
                      .arg(QString::fromUtf8(error.result().description()))
                      .arg(error.result().offset);
    }
    ErrorLog::instance().warning(where,
                                 QStringLiteral("Invalid XPath \"%1\": %2").arg(path, problem));
    return std::nullopt;
}

} // namespace

XmlElement::XmlElement() = default;

XmlElement::~XmlElement() = default;

XmlElement::XmlElement(const XmlElement &other)
    : m_document(other.m_document)
    , m_node(other.m_node ? std::make_unique<pugi::xml_node>(*other.m_node) : nullptr)
{ }

XmlElement &XmlElement::operator=(const XmlElement &other)
{
    if (this != &other)
        *this = XmlElement(other);
    return *this;
}

XmlElement::XmlElement(XmlElement &&other) noexcept = default;

XmlElement &XmlElement::operator=(XmlElement &&other) noexcept = default;

XmlElement::XmlElement(std::shared_ptr<pugi::xml_document> document, const pugi::xml_node &node)
{
    if (!node)
        return;
    m_document = std::move(document);
    m_node = std::make_unique<pugi::xml_node>(node);
}

bool XmlElement::isNull() const
{
    return !m_node;
}

bool XmlElement::operator==(const XmlElement &other) const
{
    if (isNull() || other.isNull())
        return isNull() == other.isNull();
    return *m_node == *other.m_node;
}

QString XmlElement::name() const
{
    return isNull() ? QString() : QString::fromUtf8(m_node->name());
}

bool XmlElement::hasAttribute(const QString &name) const
{
    return !isNull() && m_node->attribute(name.toUtf8().constData());
}

QString XmlElement::attribute(const QString &name, const QString &defaultValue) const
{
    if (isNull())
        return QString();
    const pugi::xml_attribute attribute = m_node->attribute(name.toUtf8().constData());
    return attribute ? QString::fromUtf8(attribute.value()) : defaultValue;
}

void XmlElement::setAttribute(const QString &name, const QString &value)
{
    if (isNull()
        || !acceptName(name, QStringLiteral("XmlElement::setAttribute"),
                       QStringLiteral("attribute")))
        return;
    const QByteArray utf8Name = name.toUtf8();
    pugi::xml_attribute attribute = m_node->attribute(utf8Name.constData());
    if (!attribute)
        attribute = m_node->append_attribute(utf8Name.constData());
    attribute.set_value(value.toUtf8().constData());
}

bool XmlElement::removeAttribute(const QString &name)
{
    return !isNull() && m_node->remove_attribute(name.toUtf8().constData());
}

QList<std::pair<QString, QString>> XmlElement::attributes() const
{
    QList<std::pair<QString, QString>> result;
    if (isNull())
        return result;
    for (const pugi::xml_attribute &attribute : m_node->attributes())
        result.append(
            { QString::fromUtf8(attribute.name()), QString::fromUtf8(attribute.value()) });
    return result;
}

QString XmlElement::text() const
{
    if (isNull())
        return QString();
    std::string out;
    appendDescendantText(*m_node, out);
    return QString::fromStdString(out);
}

void XmlElement::setText(const QString &text)
{
    if (isNull())
        return;
    m_node->remove_children();
    if (!text.isEmpty())
        m_node->append_child(pugi::node_pcdata).set_value(text.toUtf8().constData());
}

XmlElement XmlElement::parentElement() const
{
    if (isNull())
        return XmlElement();
    const pugi::xml_node parent = m_node->parent();
    return parent.type() == pugi::node_element ? XmlElement(m_document, parent) : XmlElement();
}

QList<XmlElement> XmlElement::childElements() const
{
    QList<XmlElement> result;
    if (isNull())
        return result;
    for (const pugi::xml_node &child : m_node->children()) {
        if (child.type() == pugi::node_element)
            result.append(XmlElement(m_document, child));
    }
    return result;
}

XmlElement XmlElement::firstChildElement(const QString &name) const
{
    if (isNull())
        return XmlElement();
    const QByteArray utf8Name = name.toUtf8();
    for (const pugi::xml_node &child : m_node->children()) {
        if (child.type() == pugi::node_element && (name.isEmpty() || utf8Name == child.name()))
            return XmlElement(m_document, child);
    }
    return XmlElement();
}

XmlElement XmlElement::appendElement(const QString &name)
{
    if (isNull()
        || !acceptName(name, QStringLiteral("XmlElement::appendElement"),
                       QStringLiteral("element")))
        return XmlElement();
    pugi::xml_node child = m_node->append_child(pugi::node_element);
    child.set_name(name.toUtf8().constData());
    return XmlElement(m_document, child);
}

XmlElement XmlElement::appendCopy(const XmlElement &element)
{
    if (isNull() || element.isNull())
        return XmlElement();
    return XmlElement(m_document, m_node->append_copy(*element.m_node));
}

bool XmlElement::removeChild(const XmlElement &child)
{
    if (isNull() || child.isNull() || child.m_node->parent() != *m_node)
        return false;
    return m_node->remove_child(*child.m_node);
}

QList<XmlElement> XmlElement::selectNodes(const QString &path) const
{
    QList<XmlElement> result;
    if (isNull())
        return result;
    const std::optional<pugi::xpath_query> query =
        compileNodeQuery(path, QStringLiteral("XmlElement::selectNodes"));
    if (!query)
        return result;
    pugi::xpath_node_set nodes = query->evaluate_node_set(*m_node);
    // Unions come back in evaluation order; callers expect document order.
    nodes.sort();
    result.reserve(nodes.size());
    for (const pugi::xpath_node &hit : nodes) {
        if (hit.node().type() == pugi::node_element)
            result.append(XmlElement(m_document, hit.node()));
    }
    return result;
}

XmlElement XmlElement::selectSingleNode(const QString &path) const
{
    if (isNull())
        return XmlElement();
    const std::optional<pugi::xpath_query> query =
        compileNodeQuery(path, QStringLiteral("XmlElement::selectSingleNode"));
    if (!query)
        return XmlElement();
    // The first hit in document order is usually an element; only paths that also select
    // attributes or text need the whole set.
    const pugi::xml_node first = query->evaluate_node(*m_node).node();
    if (first.type() == pugi::node_element)
        return XmlElement(m_document, first);
    pugi::xpath_node_set nodes = query->evaluate_node_set(*m_node);
    nodes.sort();
    for (const pugi::xpath_node &hit : nodes) {
        if (hit.node().type() == pugi::node_element)
            return XmlElement(m_document, hit.node());
    }
    return XmlElement();
}

QString XmlElement::xml() const
{
    return isNull() ? QString() : serialise(*m_node);
}

XmlDocument::XmlDocument()
    : m_document(std::make_shared<pugi::xml_document>())
{ }

bool XmlDocument::loadXml(const QString &text)
{
    auto document = std::make_shared<pugi::xml_document>();
    // The text is already Unicode: any encoding named in its declaration no longer applies.
    const pugi::xml_parse_result result = document->load_buffer(
        text.utf16(), text.size() * sizeof(char16_t), kParseOptions, pugi::encoding_utf16);
    std::ptrdiff_t errorOffset = result.offset;
    const QString problem =
        result ? topLevelProblem(*document, errorOffset) : QString::fromUtf8(result.description());
    if (problem.isEmpty()) {
        m_document = std::move(document);
        m_parseError.clear();
        return true;
    }
    m_document = std::make_shared<pugi::xml_document>();
    m_parseError = describeParseError(text, errorOffset, problem);
    return false;
}

QString XmlDocument::parseError() const
{
    return m_parseError;
}

XmlElement XmlDocument::documentElement() const
{
    return XmlElement(m_document, m_document->document_element());
}

XmlElement XmlDocument::createDocumentElement(const QString &name)
{
    m_document = std::make_shared<pugi::xml_document>();
    m_parseError.clear();
    if (!acceptName(name, QStringLiteral("XmlDocument::createDocumentElement"),
                    QStringLiteral("element")))
        return XmlElement();
    pugi::xml_node root = m_document->append_child(pugi::node_element);
    root.set_name(name.toUtf8().constData());
    return XmlElement(m_document, root);
}

// The document node itself serves as the context: such a handle never leaves this class.
QList<XmlElement> XmlDocument::selectNodes(const QString &path) const
{
    return XmlElement(m_document, *m_document).selectNodes(path);
}

XmlElement XmlDocument::selectSingleNode(const QString &path) const
{
    return XmlElement(m_document, *m_document).selectSingleNode(path);
}

QString XmlDocument::xml() const
{
    return serialise(*m_document);
}

namespace {

QLatin1StringView characterReference(QChar c, bool forAttribute)
{
    switch (c.unicode()) {
    case u'&':
        return QLatin1StringView("&amp;");
    case u'<':
        return QLatin1StringView("&lt;");
    case u'>':
        return QLatin1StringView("&gt;");
    case u'"':
        return forAttribute ? QLatin1StringView("&quot;") : QLatin1StringView();
    case u'\'':
        return forAttribute ? QLatin1StringView("&apos;") : QLatin1StringView();
    default:
        return QLatin1StringView();
    }
}

QString escaped(const QString &value, bool forAttribute)
{
    qsizetype first = 0;
    while (first < value.size() && characterReference(value.at(first), forAttribute).isNull())
        ++first;
    // A plain value is returned as it came, without a copy.
    if (first == value.size())
        return value;
    QString result = value.left(first);
    result.reserve(value.size() + 16);
    for (qsizetype i = first; i < value.size(); ++i) {
        const QLatin1StringView reference = characterReference(value.at(i), forAttribute);
        if (reference.isNull())
            result.append(value.at(i));
        else
            result.append(reference);
    }
    return result;
}

} // namespace

QString escapeXmlText(const QString &value)
{
    return escaped(value, false);
}

QString escapeXmlAttribute(const QString &value)
{
    return escaped(value, true);
}

} // namespace suite
