#pragma once
// File dialogs list a folder without reading the files in it.
//
// The toolkit's file dialog asks the MIME database for the type of every file
// it lists, and for a name that says too little (Region.db, its -wal and -shm)
// the database opens the file and reads its first bytes. A process's POSIX
// record locks on a file all go when any descriptor of that file is closed,
// so one such look dropped the locks of the embedded database's connection:
// another process's SQLite then took the database for unused, checkpointed
// it and deleted the -wal this process went on writing into.
//
// Once installed, every file dialog of the program (the message seam's and
// any other) is the toolkit's own widget dialog, never a native one that
// would look at the files in its own way, with an icon provider that judges a
// file by its name alone.

class QApplication;

namespace ui {

void guardFileDialogs(QApplication& app);

}  // namespace ui
