// Fuzzes the loading of combo list files. A failed load must leave the
// list as it was; a successful one keeps every item within the 80
// characters a line is cut to.

#include "controls/xpcombo/combolist.h"
#include "controls/xpcombo/combolistfile.h"
#include "tests/support/memoryfile.h"

#include <QApplication>
#include <QComboBox>
#include <cstdlib>

namespace {

QComboBox *combo = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite*/ 1);
    // The combo's list is a widget, so the run needs an application. Both
    // live until the fuzzer exits: making a widget per input would cost
    // more than the loading under test.
    static QApplication application(*argc, *argv);
    combo = new QComboBox;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    MemoryFile file(data, size);
    ComboList list(combo);
    list.clear();
    list.insertItem(QStringLiteral("before"));
    ComboListFile listFile;
    bool loaded = listFile.load(list, QString::fromStdString(file.path()));
    if (!loaded) {
        if (combo->count() != 1 || combo->itemText(0) != QStringLiteral("before"))
            std::abort();
        return 0;
    }
    if (combo->count() > ComboList::MaxCount)
        std::abort();
    for (int index = 0; index < combo->count(); ++index) {
        if (combo->itemText(index).toStdU32String().size() > size_t(ComboListFile::MaxLineLength))
            std::abort();
    }
    return 0;
}
