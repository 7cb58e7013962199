#include "ReportListView.h"

#include <QHeaderView>

namespace window {

ReportListView::ReportListView(const char* name, const std::vector<ReportColumn>& columns)
    : QTableWidget(0, static_cast<int>(columns.size())) {
    setObjectName(name);
    QStringList captions;
    for (const ReportColumn& column : columns) {
        captions << column.caption;
        alignments_.push_back(column.alignment);
    }
    setHorizontalHeaderLabels(captions);
    for (int index = 0; index < columnCount(); ++index) {
        setColumnWidth(index, columns[static_cast<size_t>(index)].width);
        horizontalHeaderItem(index)->setTextAlignment(alignments_[static_cast<size_t>(index)]);
    }
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setHighlightSections(false);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette white = palette();
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
}

void ReportListView::AddRow(const QStringList& texts) {
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < texts.size() && column < columnCount(); ++column) {
        auto* cell = new QTableWidgetItem(texts[column]);
        cell->setTextAlignment(alignments_[static_cast<size_t>(column)]);
        setItem(row, column, cell);
    }
}

QStringList ReportListView::RowTexts(int row) const {
    QStringList texts;
    for (int column = 0; column < columnCount(); ++column) {
        const QTableWidgetItem* cell = item(row, column);
        texts << (cell != nullptr ? cell->text() : QString());
    }
    return texts;
}

}  // namespace window
