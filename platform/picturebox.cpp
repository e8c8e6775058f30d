#include "picturebox.h"

#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}

} // namespace platform
