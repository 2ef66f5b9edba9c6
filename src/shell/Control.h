#pragma once
// The thin wrapper every design control lives in. Geometry is kept in twips (as double, so the
// twips arithmetic of the layout is exact) and turned into pixels only when it reaches Qt:
// pixels = twips x dpi / 1440. Mouse positions come back in twips inside the control.

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace lumeport {

enum class Pointer { Arrow, Hand };

struct FontDesign {
    QString family = QStringLiteral("新宋体");
    double pointSize = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontDesign&) const = default;
};

class Control : public QObject {
    Q_OBJECT
public:
    Control(const QString& name, QWidget* widget, double pixelsPerTwip);
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    QWidget* widget() const { return widget_; }
    double pixelsPerTwip() const { return pixelsPerTwip_; }
    double twipsFromPixels(double pixels) const { return pixels / pixelsPerTwip_; }
    int pixelsFromTwips(double twips) const;

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void setGeometry(double left, double top, double width, double height);

    // The control's own Visible flag, whatever its container shows.
    bool visible() const;
    void setVisible(bool visible);
    bool enabled() const;
    virtual void setEnabled(bool enabled);

    void setPointer(Pointer pointer);
    Pointer pointer() const { return pointer_; }
    void bringToFront();
    void setFocus();
    bool hasFocus() const;

    virtual void setFont(const FontDesign& font);
    const FontDesign& font() const { return font_; }

signals:
    void mouseDown(Qt::MouseButton button, double x, double y);
    void mouseUp(Qt::MouseButton button, double x, double y);
    void mouseMove(Qt::MouseButtons buttons, double x, double y);
    void clicked();
    void doubleClicked();
    void keyDown(int key);
    void lostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Called after the twips geometry changed; the default places the widget.
    virtual void applyGeometry();
    // For self-sizing controls: take a size without re-running the self-sizing.
    void setSizeQuietly(double width, double height);
    const QFont& qtFont() const { return qtFont_; }
    void watch(QWidget* widget);

private:
    bool handleMouse(QEvent* event);

    QString name_;
    QPointer<QWidget> widget_;
    double pixelsPerTwip_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    Pointer pointer_ = Pointer::Arrow;
    FontDesign font_;
    QFont qtFont_; // font_ as Qt knows it, made once per change: making fonts is not cheap
    bool pressedInside_ = false;
    bool afterDoubleClick_ = false;
};

} // namespace lumeport
