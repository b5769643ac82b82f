#pragma once

// A directory list: the open directory under its parents, as a tree, with its
// subdirectories below it. Double-clicking an entry (or pressing Enter on it)
// opens that directory; highlighting an entry changes nothing.

#include <QString>
#include <QTreeWidget>

namespace trellwick {

class DirectoryList : public QTreeWidget {
    Q_OBJECT

public:
    // Starts in the process's current working directory.
    explicit DirectoryList(QWidget* parent = nullptr);

    // The open directory: absolute, in the platform's separators, without a
    // trailing separator except at a root ("/", "C:\").
    QString current_path() const;
    // Opens the directory; nothing changes when it isn't a readable directory.
    void set_current_path(const QString& path);

    // The full path that an entry stands for.
    static QString entry_path(const QTreeWidgetItem* item);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Nothing folds here, so no fold marks are drawn beside the entries.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    void open_entry(QTreeWidgetItem* item);
    void show_directory(const QString& path);
    void scroll_to_open_entry();
    QTreeWidgetItem* add_entry(QTreeWidgetItem* parent, const QString& path, const QString& text,
                               bool open);

    QString current_path_;
};

} // namespace trellwick
