#pragma once

// What the text of a code means. A pure function of the text and its symbology:
// nothing is looked up and nothing fails; what no form accepts is plain text.

#include "codes/CodeSymbology.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>
#include <variant>

class CodeContent
{
public:
    struct WiFi
    {
        QString ssid; // never empty
        std::optional<QString> password;
        QString security; // the T field as written
        bool isHidden = false;
        friend bool operator==(const WiFi &, const WiFi &) = default;
    };

    struct Contact
    {
        QString vCard;               // as read, or built from a MECARD text
        std::optional<QString> name; // never empty when present
        QStringList phones;
        QStringList emails;
        std::optional<QString> organization;
        friend bool operator==(const Contact &, const Contact &) = default;
    };

    struct Event
    {
        std::optional<QString> title;
        std::optional<QDateTime> start;
        std::optional<QDateTime> end;
        std::optional<QString> location;
        bool isAllDay = false;
        friend bool operator==(const Event &, const Event &) = default; // dates compare as instants
    };

    enum class ProductKind { EAN13, EAN8, UPCA, UPCE, ISBN };
    static QString rawValue(ProductKind kind);
    static std::optional<ProductKind> productKind(const QString &rawValue);

    struct Link
    {
        QUrl url; // absolute, with a non-empty host
        friend bool operator==(const Link &, const Link &) = default;
    };
    struct Phone
    {
        QString number; // as written
        friend bool operator==(const Phone &, const Phone &) = default;
    };
    struct SMS
    {
        QString number;
        std::optional<QString> body;
        friend bool operator==(const SMS &, const SMS &) = default;
    };
    struct Email
    {
        QString address;
        std::optional<QString> subject;
        std::optional<QString> body;
        friend bool operator==(const Email &, const Email &) = default;
    };
    struct Location
    {
        double latitude = 0;
        double longitude = 0;
        std::optional<QString> query;
        friend bool operator==(const Location &, const Location &) = default;
    };
    struct Product
    {
        QString number;
        ProductKind kind = ProductKind::EAN13;
        friend bool operator==(const Product &, const Product &) = default;
    };
    struct Text
    {
        QString text;
        friend bool operator==(const Text &, const Text &) = default;
    };

    // The alternatives in this order; Kind follows it.
    using Value =
        std::variant<Link, WiFi, Contact, Event, Phone, SMS, Email, Location, Product, Text>;
    enum class Kind { Link, WiFi, Contact, Event, Phone, SMS, Email, Location, Product, Text };

    CodeContent()
        : m_value(Text{})
    {}
    CodeContent(Value value)
        : m_value(std::move(value))
    {}

    static CodeContent parse(const QString &text, CodeSymbology symbology);

    Kind kind() const { return static_cast<Kind>(m_value.index()); }
    const Value &value() const { return m_value; }
    template<typename T> const T *as() const { return std::get_if<T>(&m_value); }

    friend bool operator==(const CodeContent &, const CodeContent &) = default;

private:
    Value m_value;
};
