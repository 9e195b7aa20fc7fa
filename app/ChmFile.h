#pragma once
// A compiled HTML help file, read with chmlib: its pages and images, and the entries of its system
// record that a viewer starts from.

#include <memory>
#include <optional>

#include <QByteArray>
#include <QString>

struct chmFile;

namespace varnel {

class ChmFile {
public:
    // None when the file is missing or is not a compiled help file.
    static std::optional<ChmFile> open(const QString& path);

    // The object at a path inside the file ("/index.html"); none where there is no such object.
    std::optional<QByteArray> read(const QString& path) const;

    // From the system record; empty where the file names none.
    QString title() const { return title_text; }
    QString default_topic() const { return default_topic_path; }
    QString contents_file() const { return contents_file_path; }

private:
    struct Closer {
        void operator()(chmFile* file) const;
    };

    explicit ChmFile(chmFile* file);
    void read_system_record();

    std::unique_ptr<chmFile, Closer> file;
    QString title_text;
    QString default_topic_path;
    QString contents_file_path;
};

} // namespace varnel
