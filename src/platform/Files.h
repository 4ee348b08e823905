#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>

namespace tw {

// A file operation that failed: missing file, refused access, short write.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that could not be read (refused, missing or failing), by its path in the
// folder, so a caller reading several can say which.
class FileUnreadable : public FileError {
public:
    FileUnreadable(const QString& relPath, const std::string& why)
        : FileError(why + " " + relPath.toStdString()), relPath(relPath) {}
    QString relPath;
};

// Decides which paths may be written or read. The real program allows everything;
// the scenario runner denies paths to act out read-only files and folders.
class FileAccess {
public:
    virtual ~FileAccess() = default;
    virtual bool mayWrite(const QString& relPath) const = 0;
    virtual bool mayRead(const QString& relPath) const = 0;
};

// The program's files, all relative to one working folder and joined with "/".
// Text is Windows-1252 with CR LF line ends; no file stays open between calls.
class Files {
public:
    explicit Files(QString root);

    const QString& root() const { return root_; }
    QString absolute(const QString& relPath) const;
    void setAccess(const FileAccess* access) { access_ = access; }

    bool dirExists(const QString& relPath) const;
    bool fileExists(const QString& relPath) const;

    // Creates the file empty, replacing any existing one.
    void createEmpty(const QString& relPath);
    // Opens an existing file for appending, writes text and CR LF, closes it.
    // A missing file is not created. A last line without its CR LF is ended first.
    // On failure the file is left byte for byte as it was.
    void appendLine(const QString& relPath, const QString& text);
    // Every line of the file, split at CR LF (a lone LF also ends a line).
    QStringList readLines(const QString& relPath) const;
    // Streams the file line by line without holding it in memory.
    void forEachLine(const QString& relPath,
                     const std::function<void(const QString&)>& visit) const;
    // Visits lines from the last to the first, reading only as far back as the
    // visitor goes on (it returns false to stop). A last line without its line end
    // and lines holding NUL bytes are left out: they are the marks of a cut write.
    void forEachLineBackwards(const QString& relPath,
                              const std::function<bool(const QString&)>& visit) const;
    // The last `count` whole lines (fewer when the file is shorter), read from the end.
    QStringList lastLines(const QString& relPath, int count) const;
    void copy(const QString& fromRel, const QString& toRel);
    void remove(const QString& relPath);
    // Writes the whole text to a temporary file beside the target, syncs it and
    // checks its size, then renames it over the target: a failure leaves the old
    // file byte for byte.
    void writeAtomic(const QString& relPath, const QString& text);
    qint64 fileSize(const QString& relPath) const;

    static QByteArray encode(const QString& text);
    static QString decode(const QByteArray& bytes);

private:
    void requireWrite(const QString& relPath) const;
    void requireRead(const QString& relPath) const;

    QString root_;
    const FileAccess* access_ = nullptr;
};

}  // namespace tw
