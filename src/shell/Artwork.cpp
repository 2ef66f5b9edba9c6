#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace lumeport {

namespace {

const QColor WindowBlue(0x36, 0x6A, 0xB3);
const QColor Navy(0x00, 0x29, 0x63);
const QColor ListBlue(0x61, 0x94, 0xDD);
const QColor Paper(0xED, 0xF2, 0xF9);
const QColor Green(0xA4, 0xEB, 0x0C);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Black(0x00, 0x00, 0x00);
// Shades the bars and buttons are built from, all mixed from the colours above so the set
// reads as one family.
const QColor PaleEdge(0xD2, 0xDF, 0xF1);
const QColor TileTop(0x7B, 0xA8, 0xE8);
const QColor TileBottom(0x44, 0x78, 0xC2);
const QColor DiscTop(0x4F, 0x84, 0xCE);
const QColor DiscBottom(0x1A, 0x4A, 0x8F);
const QColor DeepBlue(0x1F, 0x4C, 0x8E);
const QColor Groove(0x16, 0x26, 0x40);

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QLinearGradient evenly(QLinearGradient gradient, std::initializer_list<QColor> colours) {
    const auto last = static_cast<qreal>(std::max<size_t>(colours.size(), 2) - 1);
    qreal i = 0;
    for (const QColor& colour : colours)
        gradient.setColorAt(i++ / last, colour);
    return gradient;
}

QLinearGradient down(const QRectF& r, std::initializer_list<QColor> colours) {
    return evenly(QLinearGradient(r.topLeft(), r.bottomLeft()), colours);
}

QLinearGradient across(const QRectF& r, std::initializer_list<QColor> colours) {
    return evenly(QLinearGradient(r.topLeft(), r.topRight()), colours);
}

// Left to right: the ends in one colour, a plain middle in another.
QLinearGradient endsAndMiddle(const QRectF& r, const QColor& ends, const QColor& middle,
                              qreal margin) {
    QLinearGradient gradient(r.topLeft(), r.topRight());
    gradient.setStops({{0, ends}, {margin, middle}, {1 - margin, middle}, {1, ends}});
    return gradient;
}

void fillShape(QPainter& p, std::initializer_list<QPointF> corners, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(corners.begin(), static_cast<int>(corners.size()));
}

void stroke(QPainter& p, const QColor& colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

// A thin rule made of three equal bands across its short side, so it stays a rule at any
// length and any scale.
void bands(QPainter& p, const QRectF& r, const std::array<QColor, 3>& colours) {
    const bool upright = r.height() > r.width();
    const qreal step = (upright ? r.width() : r.height()) / 3;
    for (int i = 0; i < 3; ++i) {
        const QRectF band = upright ? QRectF(r.left() + i * step, r.top(), step, r.height())
                                    : QRectF(r.left(), r.top() + i * step, r.width(), step);
        p.fillRect(band, colours[static_cast<size_t>(i)]);
    }
}

void fadeEnds(QPainter& p, const QRectF& r) {
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.fillRect(r, endsAndMiddle(r, withAlpha(Black, 0), Black, 0.12));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// ---- Icons drawn in a 16-unit square: the small buttons and the course tree ----

void treePage(QPainter& p, const QRectF&) {
    p.setPen(QPen(WindowBlue, 1));
    p.setBrush(White);
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    p.setPen(QPen(ListBlue, 1));
    for (qreal y : {4.5, 6.5, 8.5, 10.5, 12.5})
        p.drawLine(QPointF(5, y), QPointF(11, y));
}

void treeBook(QPainter& p, const QRectF&) {
    p.setPen(Qt::NoPen);
    p.setBrush(WindowBlue);
    p.drawRoundedRect(QRectF(3, 1.5, 10.5, 13), 1.5, 1.5);
    p.setBrush(White);
    p.drawRect(QRectF(5, 12, 7.5, 1.5));
    p.setBrush(Navy);
    p.drawRoundedRect(QRectF(3, 1.5, 2.5, 13), 1, 1);
    p.setBrush(Paper);
    p.drawRect(QRectF(7.5, 4, 4, 2.5));
}

// The small square buttons share one raised tile so they read as a set wherever they sit.
void tile(QPainter& p, const QRectF& box) {
    const QRectF r = box.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(withAlpha(White, 200), 1));
    p.setBrush(down(r, {TileTop, TileBottom}));
    p.drawRoundedRect(r, 3, 3);
}

void lessonStep(QPainter& p, const QRectF& box, bool forward) {
    tile(p, box);
    if (forward)
        fillShape(p, {{6.5, 4.5}, {11, 8}, {6.5, 11.5}}, White);
    else
        fillShape(p, {{9.5, 4.5}, {5, 8}, {9.5, 11.5}}, White);
}

void panelToggle(QPainter& p, const QRectF& box) {
    tile(p, box);
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawRect(QRectF(4, 4.5, 3, 7));
    stroke(p, White, 1);
    p.drawRect(QRectF(4.5, 5, 7, 6));
}

void scrollStep(QPainter& p, const QRectF& box, bool downwards) {
    tile(p, box);
    if (downwards)
        fillShape(p, {{4.5, 6}, {11.5, 6}, {8, 10.5}}, White);
    else
        fillShape(p, {{4.5, 10}, {11.5, 10}, {8, 5.5}}, White);
}

void miniMode(QPainter& p, const QRectF& box) {
    tile(p, box);
    stroke(p, White, 1);
    p.drawRoundedRect(QRectF(3.5, 4.5, 9, 7), 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawRect(QRectF(7.5, 7.5, 4, 3));
}

// ---- Title-bar buttons, in a 12-unit square: white strokes on the bar itself ----

void closeCross(QPainter& p, const QRectF&) {
    stroke(p, White, 1.5);
    p.drawLine(QPointF(3, 3), QPointF(9, 9));
    p.drawLine(QPointF(9, 3), QPointF(3, 9));
}

void minimiseBar(QPainter& p, const QRectF&) {
    stroke(p, White, 1.5);
    p.drawLine(QPointF(2.5, 8.5), QPointF(9.5, 8.5));
}

// ---- The program's mark: two overlapping speech bubbles, the two languages of a course ----

QPainterPath bubble(const QRectF& body, QPointF tailBase, QPointF tailTip) {
    QPainterPath path;
    path.addRoundedRect(body, body.height() * 0.35, body.height() * 0.35);
    QPainterPath tail;
    tail.moveTo(tailBase - QPointF(body.height() * 0.18, 0));
    tail.lineTo(tailTip);
    tail.lineTo(tailBase + QPointF(body.height() * 0.18, 0));
    tail.closeSubpath();
    return path.united(tail);
}

// Drawn in a 28 x 20 box; the back bubble is cut where the front one covers it, so the two stay
// apart on any background.
void mark(QPainter& p, const QRectF& box, const QColor& back, const QColor& front) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 28, box.height() / 20);
    const QPainterPath behind = bubble({1, 1, 17, 11}, {6, 11.5}, {4, 16});
    const QPainterPath before = bubble({9, 6.5, 18, 11}, {21, 17}, {23.5, 19.5});
    QPainterPathStroker gap;
    gap.setWidth(3);
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawPath(behind.subtracted(before.united(gap.createStroke(before))));
    p.setBrush(front);
    p.drawPath(before);
    p.restore();
}

void programMark(QPainter& p, const QRectF& box) {
    mark(p, box, Green, White);
}

// The mark between two hairlines that fade out towards the bar's ends.
void titleEmblem(QPainter& p, const QRectF& r) {
    const qreal height = r.height() * 0.7;
    const QSizeF size(height * 28 / 20, height);
    const QRectF box(r.center() - QPointF(size.width(), size.height()) / 2, size);
    mark(p, box, Green, White);
    const qreal y = std::round(r.center().y()) - 0.5;
    const qreal gap = r.height() * 0.4;
    const QRectF left(r.left(), y, box.left() - gap - r.left(), 1);
    const QRectF right(box.right() + gap, y, r.right() - box.right() - gap, 1);
    p.fillRect(left, across(left, {withAlpha(White, 0), withAlpha(White, 150)}));
    p.fillRect(right, across(right, {withAlpha(White, 150), withAlpha(White, 0)}));
}

// ---- Bars and strips, drawn at the size they are given ----

void titleBar(QPainter& p, const QRectF& r) {
    p.fillRect(r, down(r, {QColor(0x40, 0x76, 0xC0), WindowBlue, QColor(0x2F, 0x62, 0xAA)}));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), withAlpha(White, 45));
    p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), withAlpha(Navy, 110));
}

void titleDivider(QPainter& p, const QRectF& r) {
    const QRectF half(r.left(), r.top(), r.width() / 2, r.height());
    p.fillRect(half, down(half, {withAlpha(Navy, 0), withAlpha(Navy, 160), withAlpha(Navy, 0)}));
    const QRectF light = half.translated(half.width(), 0);
    p.fillRect(light,
               down(light, {withAlpha(White, 0), withAlpha(White, 110), withAlpha(White, 0)}));
}

void tabStrip(QPainter& p, const QRectF& r) {
    p.fillRect(r, down(r, {QColor(0x4A, 0x7F, 0xC8), WindowBlue}));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), 1), withAlpha(Navy, 90));
    p.fillRect(QRectF(r.left(), r.top() + 1, r.width(), 1), withAlpha(White, 40));
}

QLinearGradient panelFill(const QRectF& r) {
    return down(r, {White, Paper, PaleEdge});
}

// The link text scrolls over the plain middle; only the left end carries the mark.
void banner(QPainter& p, const QRectF& r) {
    const QRectF frame = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min(r.height() * 0.25, 10.0);
    p.setPen(QPen(withAlpha(Navy, 120), 1));
    p.setBrush(panelFill(r));
    p.drawRoundedRect(frame, radius, radius);
    p.setPen(QPen(withAlpha(White, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    const qreal height = r.height() * 0.36;
    const qreal end = std::min(r.height() * 0.83, r.width() / 2);
    const QSizeF size(height * 28 / 20, height);
    const QPointF centre(r.left() + end / 2 + 1, r.center().y());
    mark(p, QRectF(centre - QPointF(size.width(), size.height()) / 2, size), ListBlue, WindowBlue);
}

void linkPanel(QPainter& p, const QRectF& r) {
    p.fillRect(r, panelFill(r));
}

void separator(QPainter& p, const QRectF& r) {
    bands(p, r, {DeepBlue, WindowBlue, ListBlue});
}

void edgeStrip(QPainter& p, const QRectF& r) {
    p.fillRect(r, endsAndMiddle(r, DeepBlue, QColor(0x40, 0x75, 0xBE), 0.35));
}

void listRule(QPainter& p, const QRectF& r) {
    bands(p, r, {withAlpha(Navy, 0), withAlpha(White, 170), withAlpha(Navy, 90)});
    fadeEnds(p, r);
}

// The top of the bar is the progress bar's dark track; the rest is a light panel for the
// buttons and the navy labels.
qreal trackDepth(const QRectF& r) {
    return r.height() * 150 / 885;
}

void bottomBar(QPainter& p, const QRectF& r) {
    const QRectF track(r.left(), r.top(), r.width(), trackDepth(r));
    const QRectF panel(r.left(), track.bottom(), r.width(), r.height() - track.height());
    p.fillRect(track, down(track, {Navy, QColor(0x0C, 0x36, 0x73)}));
    p.fillRect(panel, down(panel, {Paper, PaleEdge}));
    p.fillRect(QRectF(panel.left(), panel.top(), panel.width(), 1), White);
}

// The bar's right end, with a size grip in the corner of the frameless window.
void bottomBarEnd(QPainter& p, const QRectF& r) {
    bottomBar(p, r);
    const qreal step = r.height() / 14;
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(Navy, 110));
    for (int across = 0; across < 3; ++across)
        for (int up = 0; across + up < 3; ++up)
            p.drawEllipse(r.bottomRight() - QPointF(1.2 + across, 1.2 + up) * step, step * 0.3,
                          step * 0.3);
}

void progressFill(QPainter& p, const QRectF& r) {
    p.fillRect(r, down(r, {QColor(0xC8, 0xF6, 0x6A), Green, QColor(0x86, 0xC8, 0x00)}));
}

// Both thumbs are one light pill with a small grip, so they read as things to drag on the dark
// tracks.
void thumb(QPainter& p, const QRectF& r, qreal radius) {
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(withAlpha(Navy, 150), 1));
    p.setBrush(down(body, {White, PaleEdge}));
    p.drawRoundedRect(body, radius, radius);
    stroke(p, ListBlue, 1);
    const QPointF c = body.center();
    const qreal reach = std::min(body.width(), body.height()) * 0.22;
    for (qreal offset : {-1.5, 1.5})
        p.drawLine(c + QPointF(offset, -reach), c + QPointF(offset, reach));
}

void progressThumb(QPainter& p, const QRectF& r) {
    thumb(p, r, r.height() / 2 - 0.5);
}

void progressEnd(QPainter& p, const QRectF& r) {
    const qreal side = std::min(r.width(), r.height());
    const QRectF disc(r.center() - QPointF(side, side) / 2, QSizeF(side, side));
    p.setPen(QPen(withAlpha(Navy, 150), 1));
    p.setBrush(down(disc, {White, PaleEdge}));
    p.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Green);
    p.drawEllipse(disc.center(), side * 0.18, side * 0.18);
}

// The volume control sits on a black plate; track and fill both carry that black and share one
// groove, so the fill lines up with the track whatever width it is given.
QRectF volumeGroove(const QRectF& r) {
    const qreal depth = std::max(2.0, std::round(r.height() * 0.4));
    return {r.left(), r.center().y() - depth / 2, r.width(), depth};
}

void volumeTrack(QPainter& p, const QRectF& r) {
    p.fillRect(r, Black);
    const QRectF groove = volumeGroove(r).adjusted(1.5, 0, -1.5, 0);
    p.setPen(QPen(withAlpha(ListBlue, 120), 1));
    p.setBrush(Groove);
    p.drawRoundedRect(groove, groove.height() / 2, groove.height() / 2);
}

void volumeFill(QPainter& p, const QRectF& r) {
    p.fillRect(r, Black);
    const QRectF groove = volumeGroove(r).adjusted(1.5, 0, 0, 0);
    p.fillRect(groove, down(groove, {QColor(0x9C, 0xC0, 0xF0), ListBlue}));
}

void volumeThumb(QPainter& p, const QRectF& r) {
    thumb(p, r.adjusted(1, 0, -1, 0), 3);
}

// A shallow groove: darker on the side it is sunk into, with a hairline against the list.
void scrollTrack(QPainter& p, const QRectF& r) {
    p.fillRect(r, across(r, {QColor(0x4A, 0x7D, 0xC8), QColor(0x5A, 0x8D, 0xD6), ListBlue}));
    p.fillRect(QRectF(r.left(), r.top(), 1, r.height()), withAlpha(Navy, 80));
}

void scrollThumb(QPainter& p, const QRectF& r) {
    const QRectF body = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(withAlpha(White, 200), 1));
    p.setBrush(across(body, {TileTop, TileBottom}));
    p.drawRoundedRect(body, 3, 3);
    stroke(p, withAlpha(White, 220), 1);
    const QPointF c = body.center();
    const qreal reach = body.width() * 0.22;
    for (qreal offset : {-3.0, 0.0, 3.0})
        p.drawLine(c + QPointF(-reach, offset), c + QPointF(reach, offset));
}

void listBackground(QPainter& p, const QRectF& r) {
    p.fillRect(r, down(r, {QColor(0x68, 0x99, 0xE0), ListBlue, QColor(0x58, 0x8B, 0xD6)}));
    QRadialGradient glow(r.topLeft(), std::max(r.width(), r.height()) * 0.7);
    glow.setColorAt(0, withAlpha(White, 18));
    glow.setColorAt(1, withAlpha(White, 0));
    p.fillRect(r, glow);
}

// ---- Transport, in a 24-unit square: round buttons with white signs ----

void disc(QPainter& p) {
    const QRectF body(0.75, 0.75, 22.5, 22.5);
    p.setPen(QPen(withAlpha(Navy, 200), 1));
    p.setBrush(down(body, {DiscTop, DiscBottom}));
    p.drawEllipse(body);
    p.setPen(QPen(withAlpha(White, 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(body.adjusted(1, 1, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(White);
}

void play(QPainter& p, const QRectF&) {
    disc(p);
    fillShape(p, {{9.5, 7}, {17.5, 12}, {9.5, 17}}, White);
}

void pause(QPainter& p, const QRectF&) {
    disc(p);
    p.drawRoundedRect(QRectF(8, 7, 3, 10), 0.75, 0.75);
    p.drawRoundedRect(QRectF(13, 7, 3, 10), 0.75, 0.75);
}

void stop(QPainter& p, const QRectF&) {
    disc(p);
    p.drawRoundedRect(QRectF(8, 8, 8, 8), 1, 1);
}

void sentenceStep(QPainter& p, const QRectF& box, bool forward) {
    if (forward) {
        p.translate(box.width(), 0);
        p.scale(-1, 1);
    }
    disc(p);
    p.drawRoundedRect(QRectF(7, 7.5, 2.25, 9), 0.5, 0.5);
    fillShape(p, {{16.5, 7.5}, {9.75, 12}, {16.5, 16.5}}, White);
}

void repeat(QPainter& p, const QRectF&) {
    disc(p);
    const QPointF centre(12, 12);
    const qreal radius = 5, start = 100, span = 290;
    stroke(p, White, 2);
    p.drawArc(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
              static_cast<int>(start * 16), static_cast<int>(span * 16));
    // The head points on along the arc from where it ends.
    const qreal end = (start + span) * std::numbers::pi / 180;
    const QPointF tip = centre + radius * QPointF(std::cos(end), -std::sin(end));
    const QPointF along(std::sin(end), std::cos(end));
    const QPointF outward(std::cos(end), -std::sin(end));
    fillShape(
        p,
        {tip + along * 3.2, tip - along * 0.6 + outward * 3.2, tip - along * 0.6 - outward * 3.2},
        White);
}

// ---- The voice icon of a sentence, in a 24 x 16 box, on the light text panes ----

void speaker(QPainter& p, const QRectF&) {
    p.setPen(Qt::NoPen);
    p.setBrush(WindowBlue);
    p.drawRoundedRect(QRectF(1.5, 5.5, 3.5, 5), 0.75, 0.75);
    fillShape(p, {{4.5, 5.5}, {9.5, 2}, {9.5, 14}, {4.5, 10.5}}, WindowBlue);
    const std::array<std::pair<qreal, int>, 3> waves{{{3.5, 255}, {6.5, 200}, {9.5, 140}}};
    for (const auto& [radius, alpha] : waves) {
        stroke(p, withAlpha(WindowBlue, alpha), 1.5);
        const QRectF around(QPointF(10.5, 8) - QPointF(radius, radius),
                            QSizeF(2 * radius, 2 * radius));
        p.drawArc(around, -45 * 16, 90 * 16);
    }
}

// ---- The table ----

using Paint = void (*)(QPainter&, const QRectF&);

struct Drawing {
    Art art;
    QSizeF box; // the design box an icon keeps the shape of; empty: drawn at the size given
    Paint paint;
};

constexpr QSizeF AtSize;
constexpr QSizeF Small(16, 16);
constexpr QSizeF TitleButton(12, 12);
constexpr QSizeF Transport(24, 24);

constexpr std::array<Drawing, static_cast<size_t>(Art::Count)> Drawings{{
    {Art::None, AtSize, nullptr},
    {Art::TreePage, Small, treePage},
    {Art::TreeBook, Small, treeBook},
    {Art::LessonPrevious, Small, [](QPainter& p, const QRectF& b) { lessonStep(p, b, false); }},
    {Art::LessonNext, Small, [](QPainter& p, const QRectF& b) { lessonStep(p, b, true); }},
    {Art::PanelToggle, Small, panelToggle},
    {Art::Close, TitleButton, closeCross},
    {Art::Minimise, TitleButton, minimiseBar},
    {Art::TitleBar, AtSize, titleBar},
    {Art::TitleEmblem, AtSize, titleEmblem},
    {Art::TitleDivider, AtSize, titleDivider},
    {Art::ProgramMark, QSizeF(28, 20), programMark},
    {Art::TabStrip, AtSize, tabStrip},
    {Art::Banner, AtSize, banner},
    {Art::LinkPanel, AtSize, linkPanel},
    {Art::Separator, AtSize, separator},
    {Art::VerticalSeparator, AtSize, separator},
    {Art::EdgeStrip, AtSize, edgeStrip},
    {Art::ListRule, AtSize, listRule},
    {Art::BottomBar, AtSize, bottomBar},
    {Art::BottomBarEnd, AtSize, bottomBarEnd},
    {Art::Play, Transport, play},
    {Art::Pause, Transport, pause},
    {Art::Stop, Transport, stop},
    {Art::PreviousSentence, Transport,
     [](QPainter& p, const QRectF& b) { sentenceStep(p, b, false); }},
    {Art::NextSentence, Transport, [](QPainter& p, const QRectF& b) { sentenceStep(p, b, true); }},
    {Art::Repeat, Transport, repeat},
    {Art::MiniMode, Small, miniMode},
    {Art::ProgressFill, AtSize, progressFill},
    {Art::ProgressThumb, AtSize, progressThumb},
    {Art::ProgressEnd, AtSize, progressEnd},
    {Art::VolumeTrack, AtSize, volumeTrack},
    {Art::VolumeFill, AtSize, volumeFill},
    {Art::VolumeThumb, AtSize, volumeThumb},
    {Art::ScrollUp, Small, [](QPainter& p, const QRectF& b) { scrollStep(p, b, false); }},
    {Art::ScrollDown, Small, [](QPainter& p, const QRectF& b) { scrollStep(p, b, true); }},
    {Art::ScrollTrack, AtSize, scrollTrack},
    {Art::ScrollThumb, AtSize, scrollThumb},
    {Art::ListBackground, AtSize, listBackground},
    {Art::Speaker, QSizeF(24, 16), speaker},
}};

constexpr bool EveryArtHasItsRow() {
    for (size_t i = 0; i < Drawings.size(); ++i)
        if (static_cast<size_t>(Drawings[i].art) != i || (i > 0 && !Drawings[i].paint))
            return false;
    return true;
}
static_assert(EveryArtHasItsRow(), "one row per Art, in the enum's order, each with a drawing");

// Icons keep their shape: the design box is scaled into the largest area of its aspect that
// fits, centred on whole device pixels so straight edges stay sharp.
void paintFitted(QPainter& p, const Drawing& drawing, const QSizeF& size, qreal dpr) {
    const qreal scale =
        std::min(size.width() / drawing.box.width(), size.height() / drawing.box.height());
    const QPointF spare = QPointF(size.width(), size.height()) -
                          QPointF(drawing.box.width(), drawing.box.height()) * scale;
    p.translate(std::round(spare.x() / 2 * dpr) / dpr, std::round(spare.y() / 2 * dpr) / dpr);
    p.scale(scale, scale);
    drawing.paint(p, QRectF(QPointF(), drawing.box));
}

} // namespace

QPixmap DrawArt(Art art, QSize size, qreal devicePixelRatio) {
    const auto index = static_cast<size_t>(art);
    if (art == Art::None || index >= Drawings.size() || size.isEmpty()) return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const Drawing& drawing = Drawings[index];
    if (drawing.box.isEmpty())
        drawing.paint(painter, QRectF(QPointF(), QSizeF(size)));
    else
        paintFitted(painter, drawing, QSizeF(size), devicePixelRatio);
    return pixmap;
}

} // namespace lumeport
