#pragma once
// A tree of text nodes with pictures from an image list. Nodes are numbered from 1 in the
// order they are added, as the course tree's lesson mapping expects.

#include "Control.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace lumeport {

class TreeView : public Control {
    Q_OBJECT
public:
    TreeView(const QString& name, QWidget* parent, double pixelsPerTwip);

    // Pictures of the image list; picture numbers count from 1.
    void setImageList(const QList<QPixmap>& pictures);
    void setBackColor(const QColor& colour);
    void setFont(const FontDesign& font) override;

    void clear();
    int addRoot(const QString& text, const QString& key, int picture);
    int addChild(int parentNode, const QString& text, int picture);
    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    bool hasNode(int index) const { return index >= 1 && index <= nodeCount(); }
    QString nodeText(int index) const;
    QString nodeKey(int index) const;
    int nodeChildren(int index) const;
    // The node's path, "root\child", as a tree control reports it.
    QString nodeFullPath(int index) const;
    void setNodeBackColor(int index, const QColor& colour);

    // Marks a node as selected from the program; this is not a click.
    void selectNode(int index);
    int selectedNode() const;

    QTreeWidget* tree() const { return tree_; }

signals:
    void nodeClicked(int index);

private:
    int indexOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* item(int index) const;
    int add(QTreeWidgetItem* item, const QString& text, int picture);

    QTreeWidget* tree_;
    std::vector<QTreeWidgetItem*> nodes_;
    QList<QPixmap> pictures_;
    QColor back_ = Qt::white;
};

} // namespace lumeport
