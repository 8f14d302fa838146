#pragma once
// What every fuzz target shares. Each input runs in a box of its own: a fresh folder tree (the data
// folder, the user's home, documents and config folders, and "in/" for the file handed over) with a
// fresh set of the tests' platform doubles, so no input sees what another left. When the input is done
// the box is walked: anything written outside the folders the reader may write to stops the run, as a
// crash would.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace fuzzing {

class Box {
public:
    // `writable`: folders (names under the box: "data", "home", "docs", "config", "in") the reader may
    // write into. The data folder is "data/"; the doubles answer every dialog as cancelled.
    explicit Box(QStringList writable = {"data", "home", "docs", "config"});
    ~Box();  // checks the box, then empties it
    Box(const Box&) = delete;
    Box& operator=(const Box&) = delete;

    const QString& root() const { return root_; }  // ends with '/'
    QString data() const { return root_ + QStringLiteral("data/"); }
    QString in() const { return root_ + QStringLiteral("in/"); }
    // Writes `bytes` as the file `path` (its folder made); the test input's own files.
    static void Write(const QString& path, std::string_view bytes);

private:
    QString root_;
    QStringList writable_;
};

// An input that carries several files: the first part up to the first marker "#F#" and, after each
// marker, one byte naming the file (taken modulo `kinds`) and its bytes up to the next marker.
struct Part {
    int kind = -1;  // -1: the first part
    std::string_view bytes;
};
std::vector<Part> SplitParts(const std::uint8_t* data, std::size_t size, int kinds);
// The seeds' side of it: the parts joined as SplitParts reads them.
QByteArray JoinParts(const QByteArray& first, const std::vector<std::pair<int, QByteArray>>& parts);

}  // namespace fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
