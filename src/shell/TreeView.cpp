#include "TreeView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

namespace lumeport {

namespace {
constexpr int KeyRole = Qt::UserRole + 1;
}

TreeView::TreeView(const QString& name, QWidget* parent, double pixelsPerTwip)
    : Control(name, new QTreeWidget(parent), pixelsPerTwip)
    , tree_(static_cast<QTreeWidget*>(widget())) {
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setIconSize(QSize(16, 16));
    tree_->setFrameShape(QFrame::NoFrame);
    tree_->setRootIsDecorated(true);
    // Long titles scroll sideways rather than losing their ends.
    tree_->setTextElideMode(Qt::ElideNone);
    tree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree_->header()->setStretchLastSection(false);
    watch(tree_->viewport());
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { emit nodeClicked(indexOf(item)); });
    // A keyboard learner chooses the highlighted lesson with Enter.
    connect(this, &Control::keyDown, this, [this](int key) {
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && selectedNode() > 0)
            emit nodeClicked(selectedNode());
    });
}

void TreeView::setImageList(const QList<QPixmap>& pictures) {
    pictures_ = pictures;
}

void TreeView::setBackColor(const QColor& colour) {
    back_ = colour;
    QPalette palette = tree_->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    tree_->setPalette(palette);
    tree_->setAutoFillBackground(true);
}

void TreeView::setFont(const FontDesign& font) {
    Control::setFont(font);
    tree_->setFont(qtFont());
}

void TreeView::clear() {
    tree_->clear();
    nodes_.clear();
}

int TreeView::add(QTreeWidgetItem* item, const QString& text, int picture) {
    item->setText(0, text);
    if (picture >= 1 && picture <= pictures_.size()) item->setIcon(0, pictures_[picture - 1]);
    nodes_.push_back(item);
    return nodeCount();
}

int TreeView::addRoot(const QString& text, const QString& key, int picture) {
    auto* root = new QTreeWidgetItem(tree_);
    root->setData(0, KeyRole, key);
    root->setExpanded(true);
    return add(root, text, picture);
}

int TreeView::addChild(int parentNode, const QString& text, int picture) {
    QTreeWidgetItem* parent = item(parentNode);
    if (!parent) return 0;
    const int index = add(new QTreeWidgetItem(parent), text, picture);
    parent->setExpanded(true);
    return index;
}

QString TreeView::nodeText(int index) const {
    const QTreeWidgetItem* node = item(index);
    return node ? node->text(0) : QString();
}

QString TreeView::nodeKey(int index) const {
    const QTreeWidgetItem* node = item(index);
    return node ? node->data(0, KeyRole).toString() : QString();
}

int TreeView::nodeChildren(int index) const {
    const QTreeWidgetItem* node = item(index);
    return node ? node->childCount() : 0;
}

QString TreeView::nodeFullPath(int index) const {
    QString path;
    for (const QTreeWidgetItem* node = item(index); node; node = node->parent())
        path = path.isEmpty() ? node->text(0) : node->text(0) + u'\\' + path;
    return path;
}

void TreeView::setNodeBackColor(int index, const QColor& colour) {
    if (QTreeWidgetItem* node = item(index)) node->setBackground(0, colour);
}

void TreeView::selectNode(int index) {
    QTreeWidgetItem* node = item(index);
    if (!node) return;
    const QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(node);
    tree_->scrollToItem(node);
}

int TreeView::selectedNode() const {
    return indexOf(tree_->currentItem());
}

int TreeView::indexOf(const QTreeWidgetItem* item) const {
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i] == item) return static_cast<int>(i) + 1;
    return 0;
}

QTreeWidgetItem* TreeView::item(int index) const {
    return hasNode(index) ? nodes_[static_cast<size_t>(index - 1)] : nullptr;
}

} // namespace lumeport
