// A list view in report style: one row per entry, a caption and its sub-items in columns, with
// grid lines and a white background. Rows are texts only.
#pragma once

#include <QStringList>
#include <QTableWidget>

#include <vector>

namespace window {

struct ReportColumn {
    QString caption;
    int width;
    Qt::Alignment alignment;
};

class ReportListView : public QTableWidget {
  public:
    ReportListView(const char* name, const std::vector<ReportColumn>& columns);

    // Appends a row: the caption, then the sub-items in column order.
    void AddRow(const QStringList& texts);
    // The row's caption followed by its sub-items.
    QStringList RowTexts(int row) const;

  private:
    std::vector<Qt::Alignment> alignments_;
};

}  // namespace window
