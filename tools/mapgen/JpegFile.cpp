#include "tools/mapgen/JpegFile.h"

#include <cstdio>
#include <jpeglib.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace mapgen {

void writeJpeg(const QImage& image, const QString& path, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.toLocal8Bit().constData(), "wb"),
                                               &std::fclose);
    if (!file)
        throw std::runtime_error("cannot write " + path.toStdString());

    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file.get());
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    for (int c = 0; c < 3; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
}

} // namespace mapgen
