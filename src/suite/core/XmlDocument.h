#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <utility>

namespace pugi {
class xml_document;
class xml_node;
} // namespace pugi

namespace suite {

class XmlDocument;

// A handle on one element of a document, in the manner of the platform DOM: copies refer to
// the same element, and the document stays alive while any handle on it exists. A null
// handle answers every question with an empty result.
class XmlElement
{
public:
    XmlElement();
    ~XmlElement();
    XmlElement(const XmlElement &other);
    XmlElement &operator=(const XmlElement &other);
    XmlElement(XmlElement &&other) noexcept;
    XmlElement &operator=(XmlElement &&other) noexcept;

    bool isNull() const;
    explicit operator bool() const { return !isNull(); }
    bool operator==(const XmlElement &other) const;

    QString name() const;

    bool hasAttribute(const QString &name) const;
    QString attribute(const QString &name, const QString &defaultValue = QString()) const;
    void setAttribute(const QString &name, const QString &value);
    bool removeAttribute(const QString &name);
    // Attributes in document order as (name, value) pairs.
    QList<std::pair<QString, QString>> attributes() const;

    // The text of the element and of all its descendants, concatenated.
    QString text() const;
    // Replaces the content of the element by one text node.
    void setText(const QString &text);

    XmlElement parentElement() const;
    QList<XmlElement> childElements() const;
    // First child element, or the first one with the given name when a name is given.
    XmlElement firstChildElement(const QString &name = QString()) const;

    // Creates an element with the given name and appends it as the last child.
    XmlElement appendElement(const QString &name);
    // Appends a deep copy of an element (which may belong to another document); returns the copy.
    XmlElement appendCopy(const XmlElement &element);
    // The removed element is destroyed: handles on it or inside it must not be used afterwards.
    bool removeChild(const XmlElement &child);

    // XPath 1.0 selection relative to this element. An invalid path selects nothing and is
    // recorded in the error log; it never throws.
    QList<XmlElement> selectNodes(const QString &path) const;
    XmlElement selectSingleNode(const QString &path) const;

    // The element serialised without declaration and without added white space.
    QString xml() const;

private:
    friend class XmlDocument;
    XmlElement(std::shared_ptr<pugi::xml_document> document, const pugi::xml_node &node);

    std::shared_ptr<pugi::xml_document> m_document;
    std::unique_ptr<pugi::xml_node> m_node;
};

// An XML document. Loading reports failure through its result and parseError(), never by
// throwing. Copies share the same document; loading or creating a new root gives this object a
// fresh document, so element handles taken before keep the old content.
class XmlDocument
{
public:
    XmlDocument();

    bool loadXml(const QString &text);
    QString parseError() const;

    XmlElement documentElement() const;
    // Replaces the whole content by a new root element and returns it.
    XmlElement createDocumentElement(const QString &name);

    QList<XmlElement> selectNodes(const QString &path) const;
    XmlElement selectSingleNode(const QString &path) const;

    // The document serialised, with its declaration when it has one, without added white space.
    QString xml() const;

private:
    std::shared_ptr<pugi::xml_document> m_document;
    QString m_parseError;
};

// Escapes '&', '<' and '>' for a value placed in element text, and additionally '"' and '\''
// for attribute values. A value without these characters comes back unchanged.
QString escapeXmlText(const QString &value);
QString escapeXmlAttribute(const QString &value);

} // namespace suite
