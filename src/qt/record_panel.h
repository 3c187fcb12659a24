#pragma once
// The record-file panel: a drive list, a folder list, a file list showing
// "*.棋譜" files, and the name panel (caption, name box, "RETURN" button),
// standard widgets laid over the canvas at their places in twips and scaled
// with it. All hidden at start; the core shows and hides them one by one.
//
// The lists are chained: choosing a drive opens its folder in the folder
// list, opening a folder there (double-click or Enter) makes the file list
// show it. The file list's folder is the one records are read from and
// written to, also while the file list is hidden. Both lists are read again
// each time the panel opens, so files added meanwhile show.
//
// A "取消" button, shown with the panel, and the Escape key inside it close
// the panel without anything else happening (a click on the board would
// also count as a move).

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "port/window_port.h"
#include "qt/drives.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

namespace bexoru::qt {

class Canvas;

class RecordPanel : public QObject {
    Q_OBJECT
public:
    RecordPanel(Canvas* canvas, std::vector<Drive> drives, const QString& startFolder);

    QWidget* widget(PanelControl control) const;
    void setVisible(PanelControl control, bool visible);
    // Hides every control and empties the name box, as closing the panel does.
    void cancel();
    QPushButton* cancelButton() const { return cancel_; }
    static QRectF cancelPlace();
    // Lays the controls out over the canvas's board area.
    void place();
    // Sets the captions in the language in force.
    void retranslate();

    QString nameText() const;
    void clearNameText();
    QString currentFolder() const { return filePath_; }
    QString folderListPath() const { return folderPath_; }
    QString clickedFile() const { return clicked_; }
    void refreshFileList();

    // The folder list opens a folder (as a double-click on it does); the file list follows.
    void openFolder(const QString& path);
    // Where the lists open when first shown: the folder and the drive it lies on.
    void startIn(const QString& folder);
    // The drive list's choice (as the user makes it): the folder list opens the
    // drive, or, if it cannot be read, onError is told and nothing changes.
    void chooseDrive(int index);

    std::function<void()> onFileClicked;  // a file of the file list was clicked
    std::function<void()> onReturn;       // the "RETURN" button was pressed
    std::function<void(const QString& title, const QString& text)> onError;

    QComboBox* driveList() const { return drive_; }
    QListWidget* folderList() const { return folders_; }
    QListWidget* fileList() const { return files_; }
    QLineEdit* nameBox() const { return name_; }
    const std::vector<Drive>& drives() const { return drives_; }

    // Place in twips (left, top, width, height) of each control.
    static QRectF placeOf(PanelControl control);

private:
    void fillFolderList();
    bool anyShown() const;

    Canvas* canvas_;
    std::vector<Drive> drives_;
    QComboBox* drive_;
    QListWidget* folders_;
    QListWidget* files_;
    QLabel* label_;
    QLineEdit* name_;
    QPushButton* return_;
    QPushButton* cancel_;
    int driveIndex_ = 0;
    QString folderPath_;  // what the folder list shows
    QString filePath_;    // what the file list shows
    QString clicked_;
};

}  // namespace bexoru::qt
