#include "qt/record_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <cmath>

#include "qt/canvas.h"

namespace bexoru::qt {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr double kControlFontTwips = 180;  // the controls' 9-point type

}  // namespace

QRectF RecordPanel::placeOf(PanelControl control) {
    switch (control) {
        case PanelControl::Drive1:
            return {240, 360, 2535, 300};
        case PanelControl::Dir1:
            return {240, 600, 2535, 1500};
        case PanelControl::File1:
            return {240, 2160, 2535, 930};
        case PanelControl::Label1:
            return {120, 2160, 975, 255};
        case PanelControl::Text1:
            return {960, 2160, 2175, 270};
        case PanelControl::Command1:
            return {3240, 2160, 855, 375};
    }
    return {};
}

QRectF RecordPanel::cancelPlace() {
    // Under RETURN, right of the file list.
    return {3240, 2610, 855, 375};
}

void RecordPanel::retranslate() {
    label_->setText(QCoreApplication::translate("Bexoru", "ﾌｧｲﾙ名 ："));
    cancel_->setText(QCoreApplication::translate("Bexoru", "取消"));
}

RecordPanel::RecordPanel(Canvas* canvas, std::vector<Drive> drives, const QString& startFolder)
    : QObject(canvas), canvas_(canvas), drives_(std::move(drives)) {
    // Created in this order so the name box lies over its caption's end.
    drive_ = new QComboBox(canvas);
    folders_ = new QListWidget(canvas);
    files_ = new QListWidget(canvas);
    label_ = new QLabel(canvas);
    name_ = new QLineEdit(canvas);
    return_ = new QPushButton(QStringLiteral("RETURN"), canvas);
    cancel_ = new QPushButton(canvas);
    retranslate();
    cancel_->setObjectName("Cancel");

    drive_->setObjectName("Drive1");
    folders_->setObjectName("Dir1");
    files_->setObjectName("File1");
    label_->setObjectName("Label1");
    name_->setObjectName("Text1");
    return_->setObjectName("Command1");
    label_->setAutoFillBackground(true);
    for (QListWidget* list : {folders_, files_}) list->setUniformItemSizes(true);

    for (const Drive& d : drives_) drive_->addItem(d.label, d.path);
    driveIndex_ = driveOf(drives_, startFolder);
    drive_->setCurrentIndex(driveIndex_);
    openFolder(startFolder);

    connect(drive_, &QComboBox::activated, this, [this](int index) { chooseDrive(index); });
    connect(folders_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openFolder(item->data(kPathRole).toString()); });
    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        clicked_ = item->text();
        if (onFileClicked) onFileClicked();
    });
    connect(return_, &QPushButton::clicked, this, [this] {
        if (onReturn) onReturn();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancel(); });
    cancel_->hide();

    for (PanelControl c : {PanelControl::Drive1, PanelControl::Dir1, PanelControl::File1, PanelControl::Label1,
                           PanelControl::Text1, PanelControl::Command1})
        widget(c)->hide();
}

QWidget* RecordPanel::widget(PanelControl control) const {
    switch (control) {
        case PanelControl::Drive1:
            return drive_;
        case PanelControl::Dir1:
            return folders_;
        case PanelControl::File1:
            return files_;
        case PanelControl::Label1:
            return label_;
        case PanelControl::Text1:
            return name_;
        case PanelControl::Command1:
            return return_;
    }
    return nullptr;
}

bool RecordPanel::anyShown() const {
    for (PanelControl c : {PanelControl::Drive1, PanelControl::Dir1, PanelControl::File1, PanelControl::Text1})
        if (!widget(c)->isHidden()) return true;
    return false;
}

void RecordPanel::setVisible(PanelControl control, bool visible) {
    QWidget* w = widget(control);
    if (!w) return;
    // Opening the panel reads the folder again: records may have been
    // added or removed outside the game since it was last open.
    if (visible && !anyShown() && control != PanelControl::Label1 && control != PanelControl::Command1) {
        fillFolderList();
        refreshFileList();
    }
    w->setVisible(visible);
    cancel_->setVisible(anyShown());
}

void RecordPanel::cancel() {
    for (PanelControl c : {PanelControl::Drive1, PanelControl::Dir1, PanelControl::File1, PanelControl::Label1,
                           PanelControl::Text1, PanelControl::Command1})
        widget(c)->hide();
    cancel_->hide();
    name_->clear();
}

void RecordPanel::place() {
    const double scale = canvas_->widgetScale();
    QFont font = QApplication::font();
    font.setPixelSize(std::max(9, static_cast<int>(std::lround(kControlFontTwips * scale))));
    for (PanelControl c : {PanelControl::Drive1, PanelControl::Dir1, PanelControl::File1, PanelControl::Label1,
                           PanelControl::Text1, PanelControl::Command1}) {
        const QRectF twips = placeOf(c);
        const QPointF topLeft = canvas_->fromTwips(twips.topLeft());
        const QPointF bottomRight = canvas_->fromTwips(twips.bottomRight());
        const QPoint a(static_cast<int>(std::lround(topLeft.x())), static_cast<int>(std::lround(topLeft.y())));
        const QPoint b(static_cast<int>(std::lround(bottomRight.x())), static_cast<int>(std::lround(bottomRight.y())));
        QWidget* w = widget(c);
        w->setFont(font);
        w->setGeometry(QRect(a, QSize(b.x() - a.x(), b.y() - a.y())));
    }
    const QRectF twips = cancelPlace();
    const QPoint a = canvas_->fromTwips(twips.topLeft()).toPoint();
    const QPoint b = canvas_->fromTwips(twips.bottomRight()).toPoint();
    cancel_->setFont(font);
    cancel_->setGeometry(QRect(a, QSize(b.x() - a.x(), b.y() - a.y())));
}

QString RecordPanel::nameText() const {
    return name_->text();
}

void RecordPanel::clearNameText() {
    name_->clear();
}

void RecordPanel::startIn(const QString& folder) {
    if (!QFileInfo(folder).isDir()) return;
    driveIndex_ = driveOf(drives_, folder);
    {
        const QSignalBlocker block(drive_);
        drive_->setCurrentIndex(driveIndex_);
    }
    openFolder(folder);
}

void RecordPanel::chooseDrive(int index) {
    if (index < 0 || index >= static_cast<int>(drives_.size())) return;
    const QString path = drives_[static_cast<std::size_t>(index)].path;
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable() || !QDir(path).isReadable()) {
        // The lists stay on the drive and folder they showed.
        {
            const QSignalBlocker block(drive_);
            drive_->setCurrentIndex(driveIndex_);
        }
        if (onError) onError(QString::fromUtf8("ｴﾗｰ"), QString::fromUtf8("ﾃﾞﾊﾞｲｽが準備できていません"));
        return;
    }
    driveIndex_ = index;
    {
        const QSignalBlocker block(drive_);
        drive_->setCurrentIndex(index);
    }
    openFolder(path);
}

void RecordPanel::openFolder(const QString& path) {
    const QFileInfo info(path);
    if (!info.isDir()) return;
    folderPath_ = QDir::cleanPath(info.absoluteFilePath());
    fillFolderList();
    // The file list follows the folder list.
    filePath_ = folderPath_;
    refreshFileList();
}

void RecordPanel::fillFolderList() {
    folders_->clear();
    const QIcon open = folders_->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = folders_->style()->standardIcon(QStyle::SP_DirClosedIcon);

    // The open folder's ancestors from the root down, then its sub-folders,
    // each level indented.
    QStringList chain;
    for (QDir dir(folderPath_);;) {
        chain.prepend(dir.absolutePath());
        if (dir.isRoot() || !dir.cdUp()) break;
    }
    int depth = 0;
    for (const QString& path : chain) {
        const QString name = path == "/" ? QStringLiteral("/") : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(open, QString(depth * 2, ' ') + name, folders_);
        item->setData(kPathRole, path);
        ++depth;
    }
    folders_->setCurrentRow(static_cast<int>(chain.size()) - 1);
    const QFileInfoList children =
        QDir(folderPath_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& child : children) {
        auto* item = new QListWidgetItem(closed, QString(depth * 2, ' ') + child.fileName(), folders_);
        item->setData(kPathRole, child.absoluteFilePath());
    }
}

void RecordPanel::refreshFileList() {
    files_->clear();
    clicked_.clear();
    const QStringList names =
        QDir(filePath_).entryList({QString::fromUtf8("*.棋譜")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    files_->addItems(names);
}

}  // namespace bexoru::qt
