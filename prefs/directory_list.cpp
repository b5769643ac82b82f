#include "prefs/directory_list.h"

#include <QDir>
#include <QFileInfo>
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

} // namespace

DirectoryList::DirectoryList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this, &DirectoryList::open_entry);
    show_directory(QDir::currentPath());
}

QString DirectoryList::current_path() const {
    return QDir::toNativeSeparators(current_path_);
}

bool DirectoryList::set_current_path(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !info.isReadable())
        return false;
    show_directory(QDir::cleanPath(info.absoluteFilePath()));
    return true;
}

QString DirectoryList::entry_path(const QListWidgetItem* item) {
    return item->data(kPathRole).toString();
}

void DirectoryList::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        open_entry(currentItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DirectoryList::open_entry(QListWidgetItem* item) {
    // An entry that can no longer be read stays where it is.
    set_current_path(entry_path(item));
}

void DirectoryList::show_directory(const QString& path) {
    current_path_ = path;
    clear();
    const QStringList chain = path_from_root(path);
    QListWidgetItem* open = nullptr;
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString& directory = chain.at(depth);
        const QString text =
            depth == 0 ? QDir::toNativeSeparators(directory) : QFileInfo(directory).fileName();
        open = add_entry(directory, text, depth, true);
    }
    const QFileInfoList children = QDir(path).entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QFileInfo& child : children)
        add_entry(child.absoluteFilePath(), child.fileName(), static_cast<int>(chain.size()),
                  false);
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
    QListWidget::showEvent(event);
    scroll_to_open_entry();
}

QListWidgetItem* DirectoryList::add_entry(const QString& path, const QString& text, int depth,
                                          bool open) {
    const QIcon icon =
        style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
    auto* item = new QListWidgetItem(icon, QString(2 * depth, QLatin1Char(' ')) + text, this);
    item->setData(kPathRole, path);
    item->setToolTip(QDir::toNativeSeparators(path));
    return item;
}

} // namespace trellwick
