#pragma once
// Noticing that a file was written by another station: the window keeps one watch per watched file
// (the well's curve file, the open data file, the gas chart's day file and the WITS chart's day file)
// and asks it on each timer tick whether the file changed since the last look.
#include <QDateTime>
#include <QString>

namespace wellfile {

struct ChangeWatch {
    QString path;       // the watched file; empty: none
    QDateTime kept;     // its last-write time at the last look; invalid: not looked at yet
    bool reset = false; // set when the view (re)opens the file: the next look only keeps the time
};

// The watches of the open well.
struct WellWatches {
    ChangeWatch curve;  // the open file's folder + well + ".svc"
    ChangeWatch data;   // the open data file
    ChangeWatch chart;  // the day file the gas chart shows
    ChangeWatch wits;   // the daily WITS file the WITS chart shows
};

// Watches `path` from now on; a new path forgets the time kept for the old one.
void Watch(ChangeWatch& watch, const QString& path);

// True when `path` is the watched file (whatever its letter case) and its last-write time differs from
// the one kept; the new time is kept. The first look, and the first after a reset (which it clears),
// only keeps the time. Another path or a missing file gives false and keeps nothing.
bool WatchedFileChanged(ChangeWatch& watch, const QString& path);

}  // namespace wellfile
