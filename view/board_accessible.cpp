#include "view/board_accessible.h"

#include "view/board_display.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <array>

namespace tarvo {

namespace {

constexpr int kSide = 8;

// Holds the names for the factory, which finds it among the board's children.
class CellNames : public QObject {
public:
    CellNames(QWidget* board, std::function<QString(int, int)> name)
        : QObject(board), name(std::move(name)) {}
    std::function<QString(int, int)> name;
};

CellNames* NamesOf(QObject* object) {
    for (QObject* child : object->children()) {
        if (auto* names = dynamic_cast<CellNames*>(child)) {
            return names;
        }
    }
    return nullptr;
}

class BoardInterface;

class CellInterface : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CellInterface(BoardInterface* board, int index) : board_(board), index_(index) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    int columnExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    int columnIndex() const override { return index_ % kSide; }
    bool isSelected() const override { return false; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int rowIndex() const override { return index_ / kSide; }
    QAccessibleInterface* table() const override;

private:
    BoardInterface* board_;
    int index_;
};

class BoardInterface : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardInterface(QWidget* board) : QAccessibleWidget(board, QAccessible::Table) {}
    ~BoardInterface() override {
        for (const QAccessible::Id id : ids_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    QString CellName(int index) const {
        CellNames* names = NamesOf(widget());
        return names != nullptr ? names->name(index / kSide + 1, index % kSide + 1) : QString();
    }
    QRect CellRect(int index) const {
        const int s = CellSizeFor(widget()->width());
        const QPoint origin = widget()->mapToGlobal(QPoint(0, 0));
        return {origin + QPoint(s * (index % kSide + 1), s * (index / kSide + 1)), QSize(s, s)};
    }

    // The cells, then the widgets on the board, such as the turn label.
    int childCount() const override { return kSide * kSide + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index >= kSide * kSide) {
            return QAccessibleWidget::child(index - kSide * kSide);
        }
        if (index < 0) {
            return nullptr;
        }
        const auto i = static_cast<std::size_t>(index);
        if (ids_[i] == 0) {
            ids_[i] = QAccessible::registerAccessibleInterface(
                new CellInterface(const_cast<BoardInterface*>(this), index));
        }
        return QAccessible::accessibleInterface(ids_[i]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (const int widget = QAccessibleWidget::indexOfChild(child); widget >= 0) {
            return kSide * kSide + widget;
        }
        for (int i = 0; i < kSide * kSide; ++i) {
            if (ids_[static_cast<std::size_t>(i)] != 0 &&
                QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(i)]) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < kSide * kSide; ++i) {
            if (CellRect(i).contains(x, y)) {
                return child(i);
            }
        }
        return nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row < 0 || row >= kSide || column < 0 || column >= kSide
                   ? nullptr
                   : child(row * kSide + column);
    }
    int columnCount() const override { return kSide; }
    int rowCount() const override { return kSide; }
    QString columnDescription(int column) const override {
        return QCoreApplication::translate("BoardDisplay", "column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return QCoreApplication::translate("BoardDisplay", "row %1").arg(row + 1);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    QAccessibleInterface* summary() const override { return nullptr; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable std::array<QAccessible::Id, kSide * kSide> ids_{};
};

bool CellInterface::isValid() const {
    return board_->isValid();
}
QWindow* CellInterface::window() const {
    return board_->window();
}
QAccessibleInterface* CellInterface::parent() const {
    return board_;
}
QAccessibleInterface* CellInterface::table() const {
    return board_;
}
QString CellInterface::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? board_->CellName(index_) : QString();
}
QRect CellInterface::rect() const {
    return board_->CellRect(index_);
}

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && NamesOf(widget) != nullptr ? new BoardInterface(widget) : nullptr;
}

} // namespace

void MakeBoardAccessible(QWidget* board, std::function<QString(int, int)> cellName) {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    Q_UNUSED(installed);
    new CellNames(board, std::move(cellName));
}

void FocusBoardCell(QWidget* board, int row, int col) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* cell =
        QAccessible::queryAccessibleInterface(board)->child((row - 1) * kSide + col - 1);
    QAccessibleEvent event(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

} // namespace tarvo
