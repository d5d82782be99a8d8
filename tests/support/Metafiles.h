#pragma once

// Small Windows metafiles made by hand (the formats' own record layouts): a 200 x 100
// picture with one filled rectangle, as a placeable WMF and as an EMF.

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

#include <cstdint>

inline QByteArray MakeWmfRectangle() {
    QByteArray records;
    QDataStream r(&records, QIODevice::WriteOnly);
    r.setByteOrder(QDataStream::LittleEndian);
    auto record = [&](uint16_t function, std::initializer_list<int16_t> params) {
        r << uint32_t(3 + params.size()) << function;
        for (int16_t p : params)
            r << p;
    };
    record(0x020B, {0, 0});     // SetWindowOrg
    record(0x020C, {100, 200}); // SetWindowExt (y, x)
    r << uint32_t(7) << uint16_t(0x02FC) << uint16_t(0) << uint32_t(0x000000FF) << uint16_t(0); // red brush
    record(0x012D, {0});               // SelectObject
    record(0x041B, {90, 180, 10, 20}); // Rectangle
    r << uint32_t(3) << uint16_t(0);   // end
    // Placeable header: key, handle, bounds, units per inch, reserved, checksum.
    QByteArray placeable;
    QDataStream p(&placeable, QIODevice::WriteOnly);
    p.setByteOrder(QDataStream::LittleEndian);
    p << uint32_t(0x9AC6CDD7) << uint16_t(0) << int16_t(0) << int16_t(0) << int16_t(200) << int16_t(100)
      << uint16_t(96) << uint32_t(0);
    uint16_t checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= uint16_t(uint8_t(placeable[i]) | (uint8_t(placeable[i + 1]) << 8));
    p << checksum;
    // Standard header: type, header words, version, size in words, objects, largest record, unused.
    QByteArray header;
    QDataStream w(&header, QIODevice::WriteOnly);
    w.setByteOrder(QDataStream::LittleEndian);
    w << uint16_t(1) << uint16_t(9) << uint16_t(0x300) << uint32_t((18 + records.size()) / 2) << uint16_t(1)
      << uint32_t(7) << uint16_t(0);
    QByteArray out = placeable + header;
    out.append(records);
    return out;
}

inline QByteArray MakeEmfRectangle() {
    QByteArray body;
    QDataStream b(&body, QIODevice::WriteOnly);
    b.setByteOrder(QDataStream::LittleEndian);
    b << uint32_t(39) << uint32_t(24) << uint32_t(1) << uint32_t(0) << uint32_t(0x0000FF00)
      << int32_t(0);                                                                                // brush 1
    b << uint32_t(37) << uint32_t(12) << uint32_t(1);                                               // select
    b << uint32_t(43) << uint32_t(24) << int32_t(10) << int32_t(10) << int32_t(190) << int32_t(90); // rect
    b << uint32_t(14) << uint32_t(20) << uint32_t(0) << uint32_t(16) << uint32_t(20);               // end
    const uint32_t total = 88 + uint32_t(body.size());
    QByteArray out;
    QDataStream h(&out, QIODevice::WriteOnly);
    h.setByteOrder(QDataStream::LittleEndian);
    h << uint32_t(1) << uint32_t(88) << int32_t(0) << int32_t(0) << int32_t(200) << int32_t(100) << int32_t(0)
      << int32_t(0) << int32_t(5291) << int32_t(2645) << uint32_t(0x464D4520) << uint32_t(0x10000) << total
      << uint32_t(4) << uint16_t(2) << uint16_t(0) << uint32_t(0) << uint32_t(0) << uint32_t(0)
      << int32_t(1920) << int32_t(1080) << int32_t(508) << int32_t(286);
    out.append(body);
    return out;
}
