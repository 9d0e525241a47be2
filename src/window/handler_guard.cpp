#include "window/handler_guard.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>
#include <new>

#include "text/failure.h"
#include "window/dialogs.h"
#include "window/error_text.h"

namespace pendara {

namespace {

// The rules' messages with data in them, the data written as %s or %d. A pattern that another
// one would also match comes first.
constexpr const char* kPatterns[] = {
    QT_TRANSLATE_NOOP("pendara::Failure", "Cannot open file \"%s\". It is not a regular file"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Cannot open file \"%s\". %s"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Cannot create file \"%s\". %s"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Line %s holds \"%s\" (%s), which %s cannot hold"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Unknown encoding \"%s\""),
    QT_TRANSLATE_NOOP("pendara::Failure", "Cannot read the list as %s"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Invalid data type for '%s'"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Failed to set data for '%s'"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Failed to create key %s"),
    QT_TRANSLATE_NOOP("pendara::Failure", "List index out of bounds (%d)"),
    QT_TRANSLATE_NOOP("pendara::Failure", "'%s' is not a valid integer value"),
};

// The rules' messages without data, for the catalogue.
[[maybe_unused]] constexpr const char* kWholeMessages[] = {
    QT_TRANSLATE_NOOP("pendara::Failure", "Stream write error"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Line too long to compare"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Cannot open the line comparison"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Cannot open the case mapping"),
    QT_TRANSLATE_NOOP("pendara::Failure", "A line is too long to change its case"),
    QT_TRANSLATE_NOOP("pendara::Failure", "Cannot change the case of a line"),
};

const QRegularExpression& Placeholder() {
    static const QRegularExpression placeholder(QStringLiteral("%[sd]"));
    return placeholder;
}

}  // namespace

QString TranslatedFailure(const std::string& message) {
    const QString text = QString::fromStdString(message);
    const QString whole = QCoreApplication::translate("pendara::Failure", message.c_str());
    if (whole != text) return whole;
    for (const char* pattern : kPatterns) {
        QString expression;
        for (const QString& part : QString::fromUtf8(pattern).split(Placeholder()))
            expression += (expression.isEmpty() ? QString() : QStringLiteral("(.*)")) +
                          QRegularExpression::escape(part);
        const QRegularExpressionMatch match =
            QRegularExpression(QRegularExpression::anchoredPattern(expression),
                               QRegularExpression::DotMatchesEverythingOption)
                .match(text);
        if (!match.hasMatch()) continue;
        // The translation takes the data in the same order.
        QString translated = QCoreApplication::translate("pendara::Failure", pattern);
        qsizetype from = 0;  // past the data put in so far, which may hold "%s" itself
        for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
            const QRegularExpressionMatch at = Placeholder().match(translated, from);
            if (!at.hasMatch()) break;
            translated.replace(at.capturedStart(), at.capturedLength(), match.captured(i));
            from = at.capturedStart() + match.capturedLength(i);
        }
        return translated;
    }
    return text;
}

void RunGuarded(QWidget* owner, Dialogs& dialogs, const std::function<void()>& handler) {
    std::string message;
    try {
        handler();
        return;
    } catch (const Failure& failure) {
        message = TranslatedFailure(failure.what()).toStdString();
        if (!failure.detail().empty()) {
            message = WithClosingFullStop(message) + "\n\n" + failure.detail();
        }
    } catch (const std::bad_alloc&) {
        message =
            TranslatedFailure(QT_TRANSLATE_NOOP("pendara::Failure", "Out of memory")).toStdString();
    } catch (const std::exception& error) {
        message = error.what();
    } catch (...) {
        // Whatever was thrown, it must not cross the event loop.
        message =
            TranslatedFailure(QT_TRANSLATE_NOOP("pendara::Failure", "Unknown error")).toStdString();
    }
    dialogs.error(owner, QString::fromStdString(WithClosingFullStop(message)));
}

}  // namespace pendara
