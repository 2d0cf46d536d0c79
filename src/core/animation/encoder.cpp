#include "core/animation/encoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <cstring>

namespace {

QString ffmpegReason(const char* what, int error) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(error, text, sizeof text);
  return QStringLiteral("the video could not be made: ") + QLatin1String(what) + QStringLiteral(": ") +
         QString::fromLocal8Bit(text);
}

// The MP4 muxer writes into memory and seeks back to finish its boxes.
struct MemoryOutput {
  QByteArray bytes;
  qint64 at = 0;
};

int writeOut(void* opaque, uint8_t* data, int size) {
  auto* out = static_cast<MemoryOutput*>(opaque);
  if (out->at + size > out->bytes.size()) out->bytes.resize(out->at + size);
  std::memcpy(out->bytes.data() + out->at, data, std::size_t(size));
  out->at += size;
  return size;
}

int64_t seekOut(void* opaque, int64_t offset, int whence) {
  auto* out = static_cast<MemoryOutput*>(opaque);
  if (whence & AVSEEK_SIZE) return out->bytes.size();
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET: out->at = offset; break;
    case SEEK_CUR: out->at += offset; break;
    case SEEK_END: out->at = out->bytes.size() + offset; break;
    default: return -1;
  }
  return out->at;
}

// The encoder and the muxer, freed whatever happens.
struct Encoder {
  AVFormatContext* format = nullptr;
  AVCodecContext* codec = nullptr;
  AVStream* stream = nullptr;
  AVIOContext* io = nullptr;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;
  SwsContext* scaler = nullptr;
  MemoryOutput out;

  ~Encoder() {
    sws_freeContext(scaler);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&codec);
    if (io) av_freep(&io->buffer);
    avio_context_free(&io);
    avformat_free_context(format);
  }

  // Sends the frame (none to drain the encoder) and writes what comes out.
  int send(AVFrame* picture) {
    int result = avcodec_send_frame(codec, picture);
    while (result >= 0) {
      result = avcodec_receive_packet(codec, packet);
      if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return 0;
      if (result < 0) return result;
      av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
      packet->stream_index = stream->index;
      result = av_interleaved_write_frame(format, packet);
    }
    return result;
  }
};

std::optional<QByteArray> encode(QSize size, int fps, int count, const FrameDrawer& draw, QString* why,
                                 Progress* progress) {
  const auto fail = [why](const QString& reason) -> std::optional<QByteArray> {
    *why = reason;
    return std::nullopt;
  };
  // Failures are said in why; FFmpeg's own lines would only repeat them.
  av_log_set_level(AV_LOG_QUIET);
  const AVCodec* h264 = avcodec_find_encoder(AV_CODEC_ID_H264);
  if (!h264) return fail(QStringLiteral("the video could not be made: FFmpeg has no H.264 encoder"));
  Encoder encoder;
  int result = avformat_alloc_output_context2(&encoder.format, nullptr, "mp4", nullptr);
  if (result < 0) return fail(ffmpegReason("the MP4 writer", result));
  encoder.stream = avformat_new_stream(encoder.format, nullptr);
  encoder.codec = avcodec_alloc_context3(h264);
  encoder.frame = av_frame_alloc();
  encoder.packet = av_packet_alloc();
  if (!encoder.stream || !encoder.codec || !encoder.frame || !encoder.packet)
    return fail(ffmpegReason("memory", AVERROR(ENOMEM)));
  AVCodecContext* codec = encoder.codec;
  codec->width = size.width();
  codec->height = size.height();
  codec->pix_fmt = AV_PIX_FMT_YUV420P;
  codec->time_base = {1, fps};
  codec->framerate = {fps, 1};
  codec->gop_size = 2 * fps;
  if (encoder.format->oformat->flags & AVFMT_GLOBALHEADER) codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  av_opt_set(codec->priv_data, "preset", "veryfast", 0);
  av_opt_set(codec->priv_data, "crf", "20", 0);
  if ((result = avcodec_open2(codec, h264, nullptr)) < 0) return fail(ffmpegReason("H.264", result));
  avcodec_parameters_from_context(encoder.stream->codecpar, codec);
  encoder.stream->time_base = codec->time_base;
  constexpr int ioBuffer = 64 * 1024;
  auto* buffer = static_cast<unsigned char*>(av_malloc(ioBuffer));
  encoder.io = buffer ? avio_alloc_context(buffer, ioBuffer, 1, &encoder.out, nullptr, writeOut, seekOut) : nullptr;
  if (!encoder.io) {
    av_free(buffer);
    return fail(ffmpegReason("memory", AVERROR(ENOMEM)));
  }
  encoder.format->pb = encoder.io;
  if ((result = avformat_write_header(encoder.format, nullptr)) < 0)
    return fail(ffmpegReason("the MP4 header", result));
  encoder.frame->format = AV_PIX_FMT_YUV420P;
  encoder.frame->width = size.width();
  encoder.frame->height = size.height();
  if ((result = av_frame_get_buffer(encoder.frame, 0)) < 0) return fail(ffmpegReason("a frame", result));
  encoder.scaler = sws_getContext(size.width(), size.height(), AV_PIX_FMT_BGRA, size.width(), size.height(),
                                  AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (!encoder.scaler) return fail(ffmpegReason("the colour conversion", AVERROR(EINVAL)));

  QImage picture(size, QImage::Format_RGB32);
  if (progress) progress->start(count);
  for (int i = 0; i < count; ++i) {
    if (progress && progress->cancelled()) return fail(QLatin1String(cancelledReason));
    draw(i, picture);
    if ((result = av_frame_make_writable(encoder.frame)) < 0) return fail(ffmpegReason("a frame", result));
    const uint8_t* source[] = {picture.constBits()};
    const int stride[] = {int(picture.bytesPerLine())};
    sws_scale(encoder.scaler, source, stride, 0, size.height(), encoder.frame->data, encoder.frame->linesize);
    encoder.frame->pts = i;
    if ((result = encoder.send(encoder.frame)) < 0) return fail(ffmpegReason("H.264", result));
    if (progress) progress->step();
  }
  if ((result = encoder.send(nullptr)) < 0) return fail(ffmpegReason("H.264", result));
  if ((result = av_write_trailer(encoder.format)) < 0) return fail(ffmpegReason("the MP4 index", result));
  return encoder.out.bytes;
}

}  // namespace

extern "C" Q_DECL_EXPORT VideoEncoder moxten_video_encoder() { return &encode; }
