#include "prefs/directory_list.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QStyle>

namespace trellwick {
namespace {

constexpr int kPathRole = Qt::UserRole;

// The directory and its parents, root first.
QStringList path_from_root(const QString& path) {
    QStringList chain{path};
    QString directory = path;
    while (!QDir(directory).isRoot()) {
        const QString parent = QFileInfo(directory).absolutePath();
        if (parent == directory)
            break;
        chain.prepend(parent);
        directory = parent;
    }
    return chain;
}

// The platform's pictures of an open and a closed folder: on Windows the
// shell's, which the style gives, elsewhere the icon theme's. Where the theme
// has none, Qt's own two directory pictures differ only slightly, and the open
// folder of its "Open" button stands in for the open one.
QIcon folder_icon(const QStyle* style, bool open) {
#ifdef _WIN32
    return style->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
#else
    if (open)
        return QIcon::fromTheme(QStringLiteral("folder-open"),
                                style->standardIcon(QStyle::SP_DialogOpenButton));
    return QIcon::fromTheme(QStringLiteral("folder"),
                            style->standardIcon(QStyle::SP_DirClosedIcon));
#endif
}

} // namespace

DirectoryList::DirectoryList(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    // Every entry stays unfolded: the tree shows one path and one level below
    // it, and double-clicking opens a directory rather than folding it.
    setRootIsDecorated(false);
    setItemsExpandable(false);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &DirectoryList::open_entry);
    show_directory(QDir::currentPath());
}

QString DirectoryList::current_path() const {
    return QDir::toNativeSeparators(current_path_);
}

void DirectoryList::set_current_path(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir() && info.isReadable())
        show_directory(QDir::cleanPath(info.absoluteFilePath()));
}

QString DirectoryList::entry_path(const QTreeWidgetItem* item) {
    return item->data(0, kPathRole).toString();
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        open_entry(currentItem()); // a key event comes accepted
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void DirectoryList::open_entry(QTreeWidgetItem* item) {
    // An entry that can no longer be read stays where it is.
    set_current_path(entry_path(item));
}

void DirectoryList::show_directory(const QString& path) {
    current_path_ = path;
    clear();
    const QStringList chain = path_from_root(path);
    QTreeWidgetItem* open = nullptr;
    for (qsizetype depth = 0; depth < chain.size(); ++depth) {
        const QString& directory = chain.at(depth);
        const QString text =
            depth == 0 ? QDir::toNativeSeparators(directory) : QFileInfo(directory).fileName();
        open = add_entry(open, directory, text, true);
    }
    const QFileInfoList children = QDir(path).entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& child : children)
        add_entry(open, child.absoluteFilePath(), child.fileName(), false);
    expandAll();
    setCurrentItem(open);
    scroll_to_open_entry();
}

// The parents stay in view above the open directory as far as room allows.
void DirectoryList::scroll_to_open_entry() {
    scrollToTop();
    if (currentItem())
        scrollToItem(currentItem());
}

void DirectoryList::showEvent(QShowEvent* event) {
    QTreeWidget::showEvent(event);
    scroll_to_open_entry();
}

QTreeWidgetItem* DirectoryList::add_entry(QTreeWidgetItem* parent, const QString& path,
                                          const QString& text, bool open) {
    // The open directory and its parents are open folders, its subdirectories closed ones.
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setIcon(0, folder_icon(style(), open));
    item->setText(0, text);
    item->setData(0, kPathRole, path);
    item->setToolTip(0, QDir::toNativeSeparators(path));
    return item;
}

} // namespace trellwick
