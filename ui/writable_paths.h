#pragma once
// Where the program writes. A program whose folder it may write (a portable
// copy, the build tree) keeps its settings file and what else it writes
// beside itself. An installed program's folder belongs to the system: the
// program then reads and writes a per-user copy of the settings file, made
// from the shipped one at the first start, and writes everything else into
// the user's own data folder.

#include <QString>

// The settings file to use, decided from facts alone (no file is touched).
struct SettingsFileChoice {
    // The settings file to load and to save.
    QString path;
    // True when `path` is still to be made as a copy of the shipped file.
    bool copyShipped = false;
};

// The decision itself: beside the program when its folder may be written;
// else the user's copy in userConfigDir, to be made from the shipped file
// while it does not exist yet (a later start never replaces it).
SettingsFileChoice ChooseSettingsFile(const QString& programDir, bool programDirWritable,
                                      const QString& userConfigDir, bool userCopyExists);

// True when the current user may create files in the folder.
bool IsWritableDir(const QString& dir);

// The settings file "Program.ini" for the program in programDir, after making
// the user's copy when it is due. Should that copy be impossible (no home
// folder that can be written), the shipped file is read as it stands and
// changes to it are not kept.
QString SettingsFilePath(const QString& programDir);

// The folder for files the program writes (logs, history): programDir when it
// may be written, else the user's data folder, created when missing.
QString UserDataDir(const QString& programDir);

// The radio history: the folder "history" in the user's data folder
// (QStandardPaths::AppDataLocation), whatever folder the program runs from.
QString RadioHistoryDir();
