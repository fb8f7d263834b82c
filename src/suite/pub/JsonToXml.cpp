#include "suite/pub/JsonToXml.h"

#include "suite/core/ObjectFactory.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace suite {

namespace {

using Json = nlohmann::json;

bool isNameStart(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}

bool isNameCharacter(unsigned char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

std::string xmlName(const std::string &key)
{
    std::string name;
    name.reserve(key.size() + 1);
    if (key.empty() || !isNameStart(static_cast<unsigned char>(key.front())))
        name += '_';
    for (const char c : key)
        name += isNameCharacter(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

void appendEscaped(std::string &out, const std::string &text)
{
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\r':
            // An XML parser reads a written CR LF as LF; the reference keeps the CR.
            out += "&#13;";
            break;
        case '\t':
        case '\n':
            out += c;
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += "\xEF\xBF\xBD";
            else
                out += c;
        }
    }
}

// Writes the XML as the parser reports the JSON. A frame is an open object or array: the
// element opened for it (none for an array that is an object's member, whose items carry its
// name) and, for an array, the name of its items.
class XmlWriter final : public nlohmann::json_sax<Json>
{
public:
    std::string xml;

    bool null() override { return scalar({}); }
    bool boolean(bool value) override { return scalar(value ? "true" : "false"); }
    bool number_integer(number_integer_t value) override { return scalar(std::to_string(value)); }
    bool number_unsigned(number_unsigned_t value) override { return scalar(std::to_string(value)); }
    bool number_float(number_float_t, const string_t &text) override { return scalar(text); }
    bool string(string_t &value) override { return scalar(value); }
    bool binary(binary_t &) override { return false; }

    bool key(string_t &name) override
    {
        m_key = xmlName(name);
        return true;
    }

    bool start_object(std::size_t) override
    {
        const std::string name = nextName();
        open(name);
        return push({ name, {} });
    }

    bool end_object() override
    {
        close(m_frames.back().element);
        m_frames.pop_back();
        return true;
    }

    bool start_array(std::size_t) override
    {
        if (m_frames.empty()) {
            open("root");
            return push({ "root", "item" });
        }
        const std::string name = nextName();
        if (m_frames.back().items.empty())
            return push({ {}, name });
        open(name);
        return push({ name, name });
    }

    bool end_array() override
    {
        if (!m_frames.back().element.empty())
            close(m_frames.back().element);
        m_frames.pop_back();
        return true;
    }

    bool parse_error(std::size_t, const std::string &, const nlohmann::detail::exception &) override
    {
        return false;
    }

private:
    struct Frame
    {
        std::string element;
        std::string items; // empty for an object
    };

    std::string nextName() const
    {
        if (m_frames.empty())
            return "root";
        return m_frames.back().items.empty() ? m_key : m_frames.back().items;
    }

    bool push(Frame frame)
    {
        m_frames.push_back(std::move(frame));
        return m_frames.size() <= size_t(JsonToXml::kMaxDepth);
    }

    void open(const std::string &name)
    {
        xml += '<';
        xml += name;
        xml += '>';
    }

    void close(const std::string &name)
    {
        xml += "</";
        xml += name;
        xml += '>';
    }

    bool scalar(const std::string &text)
    {
        const std::string name = nextName();
        open(name);
        appendEscaped(xml, text);
        close(name);
        return true;
    }

    std::vector<Frame> m_frames;
    std::string m_key;
};

} // namespace

QString JsonToXml::Convert(const QString &sJson)
{
    const std::string json = sJson.toStdString();
    XmlWriter writer;
    try {
        if (!Json::sax_parse(json, &writer))
            return {};
    } catch (const Json::exception &) {
        return {};
    }
    return QString::fromStdString(writer.xml);
}

void registerJsonToXml()
{
    ObjectFactory::instance().registerClass(QLatin1String(IJsonToXml::kProgId),
                                            [] { return std::make_shared<JsonToXml>(); });
}

} // namespace suite
