// An image control: draws its picture at the picture's own size from its
// top-left corner, without scaling, and shows the window's background where
// it has none.
#pragma once

#include <QImage>
#include <QWidget>

namespace platform {

class PictureBox : public QWidget
{
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Shares the picture, which stays as it was stored (16 greys for the hand
    // shapes): no copy and no conversion is made here.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

} // namespace platform
