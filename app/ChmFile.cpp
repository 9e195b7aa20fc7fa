#include "app/ChmFile.h"

#include "varnel/common/DBC.h"

#include <chm_lib.h>

#include <QFile>

namespace varnel {

namespace {

// Entry codes of the system record.
enum SystemEntry : quint16 { contents_file_entry = 0, default_topic_entry = 2, title_entry = 3 };

quint16 little_endian_16(const QByteArray& bytes, qsizetype at) {
    return static_cast<quint16>(static_cast<unsigned char>(bytes[at]) |
                                static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// Entries hold a text ended by a zero byte; help compilers write paths without the leading slash.
QString entry_text(const QByteArray& data) {
    const qsizetype end = data.indexOf('\0');
    return QString::fromUtf8(end < 0 ? data : data.left(end));
}

QString absolute_path(const QString& path) {
    return path.isEmpty() || path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
}

} // namespace

void ChmFile::Closer::operator()(chmFile* file) const {
    chm_close(file);
}

std::optional<ChmFile> ChmFile::open(const QString& path) {
    chmFile* file = chm_open(QFile::encodeName(path).constData());
    if (file == nullptr) {
        return std::nullopt;
    }
    return ChmFile(file);
}

ChmFile::ChmFile(chmFile* opened) : file(opened) {
    DBC_PRECONDITION(opened != nullptr);
    read_system_record();
}

std::optional<QByteArray> ChmFile::read(const QString& path) const {
    chmUnitInfo unit{};
    if (chm_resolve_object(file.get(), path.toUtf8().constData(), &unit) != CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    QByteArray data(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const auto read =
        chm_retrieve_object(file.get(), &unit, reinterpret_cast<unsigned char*>(data.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    if (read != static_cast<LONGINT64>(unit.length)) {
        return std::nullopt;
    }
    return data;
}

void ChmFile::read_system_record() {
    const std::optional<QByteArray> record = read(QStringLiteral("/#SYSTEM"));
    if (!record) {
        return;
    }
    // A version number, then entries: a code, a length and that many bytes, all little-endian.
    for (qsizetype at = 4; at + 4 <= record->size();) {
        const quint16 code = little_endian_16(*record, at);
        const qsizetype length = little_endian_16(*record, at + 2);
        const QByteArray data = record->mid(at + 4, length);
        at += 4 + length;
        switch (code) {
        case contents_file_entry:
            contents_file_path = absolute_path(entry_text(data));
            break;
        case default_topic_entry:
            default_topic_path = absolute_path(entry_text(data));
            break;
        case title_entry:
            title_text = entry_text(data);
            break;
        default:
            break;
        }
    }
}

} // namespace varnel
