#include "app/TextFile.h"

#include "varnel/settings/QStringConversion.h"

#include <algorithm>

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace varnel {

std::variant<TextFileContents, QString> read_text_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return file.errorString();
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) {
        return TextFileContents{to_wstring(text), TextFileContents::Encoding::utf8};
    }
    return TextFileContents{to_wstring(QString::fromLatin1(bytes)),
                            TextFileContents::Encoding::latin1};
}

QString write_text_file(const QString& path, const TextFileContents& contents,
                        const std::atomic<bool>* cancelled) {
    const QString text = to_qstring(contents.text);
    const bool latin1 = contents.encoding == TextFileContents::Encoding::latin1;
    if (latin1 &&
        std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
        return QStringLiteral("The text holds characters that Latin-1 cannot write.");
    }
    // QSaveFile writes to a temporary file beside the target, flushes it to the disk and renames
    // it over the target on commit; any failure leaves the target untouched.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    file.write(latin1 ? text.toLatin1() : text.toUtf8());
    if (cancelled != nullptr && *cancelled) {
        file.cancelWriting();
        return QStringLiteral("Cancelled.");
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace varnel
