#include "platform/ui/jpegcodec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>
#include <jerror.h>

#include "platform/ui/picture.h"

namespace {

// The library reports a fatal error through error_exit, which must not
// return: it jumps back to the setjmp of the call that started the work.
// Everything the jump leaves behind lives in a heap block owned outside the
// jump, so nothing is skipped or left indeterminate by it.
struct TErrorManager {
    jpeg_error_mgr Base;   // first, so the library's pointer is ours
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX] = {};
    int Code = 0;
};

void ErrorExit(j_common_ptr Info)
{
    auto* err = reinterpret_cast<TErrorManager*>(Info->err);
    (*Info->err->format_message)(Info, err->Message);
    err->Code = Info->err->msg_code;
    std::longjmp(err->Jump, 1);
}

// Warnings (level -1) mean corrupt data: they end the work as errors do.
// Trace messages are dropped.
void EmitMessage(j_common_ptr Info, int Level)
{
    if (Level < 0)
        ErrorExit(Info);
}

void SetUpErrors(TErrorManager& Err)
{
    jpeg_std_error(&Err.Base);
    Err.Base.error_exit = ErrorExit;
    Err.Base.emit_message = EmitMessage;
}

// A source that hands the library the whole buffer at once: running out of
// it is an error, never a read past its end.
struct TMemorySource {
    jpeg_source_mgr Base;
    const JOCTET* Data = nullptr;
    std::size_t Size = 0;
};

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

boolean FillInputBuffer(j_decompress_ptr Info)
{
    const auto* src = reinterpret_cast<TMemorySource*>(Info->src);
    ERREXIT(Info, src->Size == 0 ? JERR_INPUT_EMPTY : JERR_INPUT_EOF);
    return FALSE;
}

void SkipInputData(j_decompress_ptr Info, long Count)
{
    if (Count <= 0)
        return;
    if (static_cast<std::size_t>(Count) > Info->src->bytes_in_buffer)
        FillInputBuffer(Info);
    Info->src->next_input_byte += Count;
    Info->src->bytes_in_buffer -= static_cast<std::size_t>(Count);
}

// The largest width or height decoded: 16384 x 16384 pixels take 1 GiB.
constexpr unsigned MaxDimension = 16384;

struct TDecoder {
    jpeg_decompress_struct Info;
    TErrorManager Err;
    TMemorySource Source;
    QImage Image;
};

// Fills Image from the started decompressor, one scan line at a time.
void ReadPixels(TDecoder& D)
{
    jpeg_decompress_struct& info = D.Info;
    const int components = info.output_components;
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * static_cast<JDIMENSION>(components), 1);
    const bool inverted = info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        jpeg_read_scanlines(&info, row, 1);
        auto* out = reinterpret_cast<QRgb*>(D.Image.scanLine(y));
        const JSAMPLE* in = row[0];
        for (JDIMENSION x = 0; x < info.output_width; ++x, in += components) {
            if (components == 1) {
                out[x] = qRgb(in[0], in[0], in[0]);
            } else if (components == 3) {
                out[x] = qRgb(in[0], in[1], in[2]);
            } else {
                // CMYK; Adobe's files store it inverted.
                const int c = inverted ? in[0] : 255 - in[0], m = inverted ? in[1] : 255 - in[1],
                          yl = inverted ? in[2] : 255 - in[2], k = inverted ? in[3] : 255 - in[3];
                out[x] = qRgb(c * k / 255, m * k / 255, yl * k / 255);
            }
        }
    }
}

} // namespace

QImage DecodeJpeg(const std::string& Data)
{
    const auto d = std::make_unique<TDecoder>();
    d->Info.err = nullptr;
    SetUpErrors(d->Err);
    d->Info.err = &d->Err.Base;
    if (setjmp(d->Err.Jump)) {
        jpeg_destroy_decompress(&d->Info);
        throw EJPEG(d->Err.Message, d->Err.Code);
    }
    jpeg_create_decompress(&d->Info);
    TMemorySource& src = d->Source;
    src.Data = reinterpret_cast<const JOCTET*>(Data.data());
    src.Size = Data.size();
    src.Base.next_input_byte = src.Data;
    src.Base.bytes_in_buffer = src.Size;
    src.Base.init_source = InitSource;
    src.Base.fill_input_buffer = FillInputBuffer;
    src.Base.skip_input_data = SkipInputData;
    src.Base.resync_to_restart = jpeg_resync_to_restart;
    src.Base.term_source = TermSource;
    d->Info.src = &src.Base;

    jpeg_read_header(&d->Info, TRUE);
    switch (d->Info.jpeg_color_space) {
    case JCS_GRAYSCALE: d->Info.out_color_space = JCS_GRAYSCALE; break;
    case JCS_CMYK:
    case JCS_YCCK: d->Info.out_color_space = JCS_CMYK; break;
    default: d->Info.out_color_space = JCS_RGB; break;
    }
    jpeg_start_decompress(&d->Info);
    if (d->Info.output_width > MaxDimension || d->Info.output_height > MaxDimension)
        ERREXIT1(&d->Info, JERR_IMAGE_TOO_BIG, MaxDimension);
    d->Image = QImage(static_cast<int>(d->Info.output_width), static_cast<int>(d->Info.output_height),
                      QImage::Format_RGB32);
    if (d->Image.isNull())
        ERREXIT1(&d->Info, JERR_OUT_OF_MEMORY, 0);
    ReadPixels(*d);
    jpeg_finish_decompress(&d->Info);
    jpeg_destroy_decompress(&d->Info);
    return std::move(d->Image);
}

namespace {

// A destination that collects the file in a string.
struct TMemoryDestination {
    jpeg_destination_mgr Base;
    std::string Out;
    JOCTET Buffer[4096];
    bool Failed = false;
};

void Append(TMemoryDestination& Dest, std::size_t Count)
{
    try {
        Dest.Out.append(reinterpret_cast<const char*>(Dest.Buffer), Count);
    } catch (...) {
        Dest.Failed = true;
    }
}

void InitDestination(j_compress_ptr Info)
{
    auto* dest = reinterpret_cast<TMemoryDestination*>(Info->dest);
    dest->Base.next_output_byte = dest->Buffer;
    dest->Base.free_in_buffer = sizeof dest->Buffer;
}

boolean EmptyOutputBuffer(j_compress_ptr Info)
{
    auto* dest = reinterpret_cast<TMemoryDestination*>(Info->dest);
    Append(*dest, sizeof dest->Buffer);
    if (dest->Failed)
        ERREXIT1(Info, JERR_OUT_OF_MEMORY, 1);
    dest->Base.next_output_byte = dest->Buffer;
    dest->Base.free_in_buffer = sizeof dest->Buffer;
    return TRUE;
}

void TermDestination(j_compress_ptr Info)
{
    auto* dest = reinterpret_cast<TMemoryDestination*>(Info->dest);
    Append(*dest, sizeof dest->Buffer - dest->Base.free_in_buffer);
    if (dest->Failed)
        ERREXIT1(Info, JERR_OUT_OF_MEMORY, 1);
}

struct TEncoder {
    jpeg_compress_struct Info;
    TErrorManager Err;
    TMemoryDestination Dest;
    QImage Pixels;
};

} // namespace

std::string EncodeJpeg(const QImage& Image, int Quality)
{
    const auto e = std::make_unique<TEncoder>();
    e->Pixels = Image.convertToFormat(QImage::Format_RGB888);
    SetUpErrors(e->Err);
    e->Info.err = &e->Err.Base;
    if (setjmp(e->Err.Jump)) {
        jpeg_destroy_compress(&e->Info);
        throw EJPEG(e->Err.Message, e->Err.Code);
    }
    jpeg_create_compress(&e->Info);
    e->Dest.Base.init_destination = InitDestination;
    e->Dest.Base.empty_output_buffer = EmptyOutputBuffer;
    e->Dest.Base.term_destination = TermDestination;
    e->Info.dest = &e->Dest.Base;
    e->Info.image_width = static_cast<JDIMENSION>(e->Pixels.width());
    e->Info.image_height = static_cast<JDIMENSION>(e->Pixels.height());
    e->Info.input_components = 3;
    e->Info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e->Info);
    jpeg_set_quality(&e->Info, std::clamp(Quality, 0, 100), TRUE);
    jpeg_start_compress(&e->Info, TRUE);
    while (e->Info.next_scanline < e->Info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(e->Pixels.constScanLine(static_cast<int>(e->Info.next_scanline)));
        jpeg_write_scanlines(&e->Info, &row, 1);
    }
    jpeg_finish_compress(&e->Info);
    jpeg_destroy_compress(&e->Info);
    return std::move(e->Dest.Out);
}
