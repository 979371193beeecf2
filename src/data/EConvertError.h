#pragma once
// The conversion error raised when a text is not a number: typed values in
// dialogs and reals or integers read from documents. Its message is French and
// names the offending text.
#include <QByteArray>
#include <QString>
#include <exception>
#include <utility>

class EConvertError : public std::exception
{
public:
    explicit EConvertError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8())
    {
    }

    // "'k' n'est pas une valeur en virgule flottante correcte"
    static EConvertError InvalidFloat(const QString &text)
    {
        return EConvertError(
            QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte").arg(text));
    }

    // "'x' n'est pas une valeur entière correcte"
    static EConvertError InvalidInteger(const QString &text)
    {
        return EConvertError(
            QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(text));
    }

    const QString &Message() const noexcept { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};
