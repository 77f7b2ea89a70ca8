// A second copy of the program adding bookmarks, run as a child process:
//   bookmark_adder <program directory> <name> <count>
// stores the IDs h<i>c<name>l<i> for i = 1 .. count, each with its own add.
#include <QCoreApplication>
#include <QString>
#include <cstdlib>

#include "platform/paths.h"
#include "settings/bookmark_store.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    platform::set_program_directory(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    for (int i = 1; i <= count; ++i) {
        const QString id = QStringLiteral("h%1c%2l%1").arg(i).arg(name);
        if (settings::store_bookmark(id).id != id)
            return 3;
    }
    return 0;
}
