#include "outside/ffmpeg/DecodedSound.h"

#include "outside/qt/SoundAsPlayed.h"

#include <QFile>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <algorithm>
#include <cmath>
#include <limits>

namespace outside {

namespace {

struct FormatCloser {
    void operator()(AVFormatContext *c) const { avformat_close_input(&c); }
};
struct CodecFreer {
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
struct ResamplerFreer {
    void operator()(SwrContext *c) const { swr_free(&c); }
};
struct PacketFreer {
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct FrameFreer {
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};

// Turns the decoder's frames into the output's samples, at the game's volume.
class Converter
{
public:
    explicit Converter(AVCodecContext &codec)
    {
        AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        SwrContext *resampler = nullptr;
        if (swr_alloc_set_opts2(&resampler, &stereo, AV_SAMPLE_FMT_FLT, kPcmRate, &codec.ch_layout,
                                codec.sample_fmt, codec.sample_rate, 0, nullptr)
                == 0
            && swr_init(resampler) == 0)
            m_resampler.reset(resampler);
        else
            swr_free(&resampler);
    }

    bool isReady() const { return m_resampler != nullptr; }

    // `frame` null drains what the resampler still holds.
    bool add(const AVFrame *frame, std::vector<qint16> &out)
    {
        const int input = frame ? frame->nb_samples : 0;
        const int room = swr_get_out_samples(m_resampler.get(), input);
        if (room < 0)
            return false;
        m_floats.resize(std::size_t(room) * kPcmChannels);
        auto *target = reinterpret_cast<uint8_t *>(m_floats.data());
        const int made = swr_convert(m_resampler.get(), &target, room,
                                     frame ? const_cast<const uint8_t **>(frame->extended_data) : nullptr, input);
        if (made < 0)
            return false;
        for (std::size_t i = 0; i < std::size_t(made) * kPcmChannels; ++i) {
            const float scaled = std::clamp(m_floats[i] * kSoundVolume, -1.0f, 1.0f);
            out.push_back(qint16(std::lround(scaled * std::numeric_limits<qint16>::max())));
        }
        return true;
    }

private:
    std::unique_ptr<SwrContext, ResamplerFreer> m_resampler;
    std::vector<float> m_floats;
};

} // namespace

DecodedPcm decodeSoundFile(const QString &path)
{
    // A damaged file is no sound, and says nothing on the terminal either.
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext *opened = nullptr;
    if (avformat_open_input(&opened, QFile::encodeName(path).constData(), nullptr, nullptr) < 0)
        return nullptr;
    const std::unique_ptr<AVFormatContext, FormatCloser> format(opened);
    if (avformat_find_stream_info(format.get(), nullptr) < 0)
        return nullptr;
    const AVCodec *codec = nullptr;
    const int stream = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (stream < 0 || !codec)
        return nullptr;
    const std::unique_ptr<AVCodecContext, CodecFreer> decoder(avcodec_alloc_context3(codec));
    if (!decoder || avcodec_parameters_to_context(decoder.get(), format->streams[stream]->codecpar) < 0)
        return nullptr;
    // Every frame is kept: a decoder's guess at its encoder's delay can be too long,
    // as the WMA decoder's two frames are for files of one frame's delay, and then
    // the start of the sound itself is cut. The silence before it goes as it plays.
    decoder->flags2 |= AV_CODEC_FLAG2_SKIP_MANUAL;
    if (avcodec_open2(decoder.get(), codec, nullptr) < 0)
        return nullptr;
    Converter converter(*decoder);
    const std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
    const std::unique_ptr<AVFrame, FrameFreer> frame(av_frame_alloc());
    if (!converter.isReady() || !packet || !frame)
        return nullptr;

    auto pcm = std::make_unique<Pcm>(Pcm{kPcmRate, kPcmChannels, {}});
    const std::size_t most = mostDecodedSamples(kPcmRate, kPcmChannels);
    auto receive = [&] {
        int got;
        while ((got = avcodec_receive_frame(decoder.get(), frame.get())) == 0) {
            const bool converted = converter.add(frame.get(), pcm->samples);
            av_frame_unref(frame.get());
            if (!converted)
                return false;
        }
        return got == AVERROR(EAGAIN) || got == AVERROR_EOF;
    };
    while (pcm->samples.size() < most && av_read_frame(format.get(), packet.get()) >= 0) {
        const bool ours = packet->stream_index == stream;
        // A packet the decoder refuses is skipped, as players do; the rest still plays.
        const bool sent = ours && avcodec_send_packet(decoder.get(), packet.get()) == 0;
        av_packet_unref(packet.get());
        if (sent && !receive())
            return nullptr;
    }
    avcodec_send_packet(decoder.get(), nullptr);
    if (!receive() || !converter.add(nullptr, pcm->samples) || pcm->samples.empty())
        return nullptr;
    return pcm;
}

} // namespace outside
