#include "dialogs/ccommondialogs.h"
#include "dialogs/dialogbackend.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

namespace {

// True once the dialog's file list shows name as a file one can pick.
bool listsPickable(QFileDialog &dialog, const QString &name)
{
    auto *view = dialog.findChild<QAbstractItemView *>("listView");
    if (!view || !view->model())
        return false;
    const QAbstractItemModel &model = *view->model();
    for (int row = 0; row < model.rowCount(view->rootIndex()); ++row) {
        const QModelIndex entry = model.index(row, 0, view->rootIndex());
        if (entry.data().toString() == name)
            return model.flags(entry).testFlag(Qt::ItemIsEnabled);
    }
    return false;
}

} // namespace

// Qt's own file dialog, as the program's Open shows it: each entry reads as
// its description alone, and "*.*" lets a name without a dot be picked.
TEST(QtFileDialog, AllFilesOffersNamesWithoutADot)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    TempDir dir;
    dir.write("README", "plain text without an extension");
    const QString folder = QString::fromStdString(dir.path().string());
    const QString startFolder = QDir::currentPath();
    QDir::setCurrent(folder);

    QWidget owner;
    CCommonDialogs dialogs;
    dialogs.Init(&owner);
    dialogs.setFilter("TEXT Files(*.txt)|*.txt|All Files(*.*)|*.*");
    QStringList entries;
    bool offered = false;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (!dialog) {
            if (modal)
                modal->close();
            return;
        }
        auto *types = dialog->findChild<QComboBox *>("fileTypeCombo");
        for (int i = 0; types && i < types->count(); ++i)
            entries << types->itemText(i);
        dialog->selectNameFilter(dialog->nameFilters().value(1));
        offered = QTest::qWaitFor([&] { return listsPickable(*dialog, "README"); }, 5000);
        dialog->reject();
    });
    EXPECT_FALSE(dialogs.ShowOpen());
    QDir::setCurrent(startFolder);

    EXPECT_EQ(entries, (QStringList{"TEXT Files(*.txt)", "All Files(*.*)"}));
    EXPECT_TRUE(offered);
}
