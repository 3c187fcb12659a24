#include "qt/move_list_dock.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace bexoru::qt {

MoveListDock::MoveListDock(QWidget* parent) : QDockWidget(parent) {
    setObjectName("KIFU_LIST_DOCK");
    // Fixed on the right: hidden and shown only through the ｵﾌﾟｼｮﾝ menu, so
    // the menu's check mark and the settings file always tell the truth.
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::RightDockWidgetArea);

    auto* inside = new QWidget(this);
    auto* column = new QVBoxLayout(inside);
    column->setContentsMargins(4, 0, 4, 4);
    list_ = new QListWidget(inside);
    list_->setFocusPolicy(Qt::NoFocus);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    // A little larger than the desktop's text: the lines are read beside
    // the board's large captions.
    QFont font = list_->font();
    if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * 1.25);
    list_->setFont(font);
    column->addWidget(list_);

    auto* row = new QHBoxLayout;
    static const char* const captions[] = {"|◀", "◀", "▶", "▶|"};
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* b = new QToolButton(inside);
        b->setText(QString::fromUtf8(captions[i]));
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        const auto step = static_cast<棋譜一覧操作>(i);
        connect(b, &QToolButton::clicked, this, [this, step] {
            if (onStep) onStep(step);
        });
        buttons_[i] = b;
        row->addWidget(b);
    }
    column->addLayout(row);
    setWidget(inside);
    retranslate();

    // Wide enough for a long double move with a three-figure number.
    const int wide = list_->fontMetrics().horizontalAdvance(QString::fromUtf8("000 10十二獅→10十二")) + 48;
    setFixedWidth(std::max(wide, 180));

    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (onLineClicked) onLineClicked(list_->row(item));
    });
}

void MoveListDock::retranslate() {
    setWindowTitle(QCoreApplication::translate("Bexoru", "棋譜一覧"));
    static const char* const tips[] = {"最初 (Home)", "戻 (←)", "進 (→)", "最後 (End)"};
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setToolTip(QCoreApplication::translate("Bexoru", tips[i]));
}

void MoveListDock::setLines(const std::vector<std::string>& lines, int current) {
    if (lines != lines_) {
        lines_ = lines;
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(lines.size()));
        for (const std::string& l : lines) texts.append(QString::fromStdString(l));
        list_->clear();
        list_->addItems(texts);
    }
    const int last = static_cast<int>(lines.size()) - 1;
    current = std::clamp(current, 0, std::max(last, 0));
    if (list_->count() > 0) {
        list_->setCurrentRow(current);
        list_->scrollToItem(list_->item(current));
    }
    button(棋譜一覧操作::最初)->setEnabled(current > 0);
    button(棋譜一覧操作::戻る)->setEnabled(current > 0);
    button(棋譜一覧操作::進む)->setEnabled(current < last);
    button(棋譜一覧操作::最後)->setEnabled(current < last);
}

}  // namespace bexoru::qt
