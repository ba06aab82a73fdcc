#include "export/mp3_tag.h"

#include <QFile>

#include <algorithm>
#include <cmath>

#include <taglib/chapterframe.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tableofcontentsframe.h>
#include <taglib/textidentificationframe.h>

namespace Mp3Tag {

namespace {

bool saysNothing(const SoundFileCommit::Tags &tags, const QList<Chapter> &chapters)
{
    return tags.title.trimmed().isEmpty() && tags.album.trimmed().isEmpty() && tags.artist.trimmed().isEmpty()
           && tags.track <= 0 && chapters.isEmpty();
}

void fill(TagLib::ID3v2::Tag *tag, const SoundFileCommit::Tags &tags, const QList<Chapter> &chapters)
{
    TagLib::ID3v2::FrameFactory::instance()->setDefaultTextEncoding(TagLib::String::UTF16);
    const auto text = [](const QString &value) { return TagLib::String(value.simplified().toStdString(), TagLib::String::UTF8); };
    tag->setTitle(text(tags.title));
    tag->setAlbum(text(tags.album));
    tag->setArtist(text(tags.artist));
    if (tags.track > 0) {
        auto *frame = new TagLib::ID3v2::TextIdentificationFrame("TRCK", TagLib::String::UTF16);
        frame->setText(text(tags.total > 0 ? QStringLiteral("%1/%2").arg(tags.track).arg(tags.total)
                                           : QString::number(tags.track)));
        tag->removeFrames("TRCK");
        tag->addFrame(frame);
    }
    // A chapter frame for each chapter, with its title, and the table of
    // contents that orders them: what audiobook players list.
    const auto milliseconds = [](double seconds) { return uint(std::lround(std::max(0.0, seconds) * 1000.0)); };
    TagLib::ByteVectorList children;
    for (qsizetype i = 0; i < chapters.size(); ++i) {
        const TagLib::ByteVector id(QByteArray("chp" + QByteArray::number(i)).constData());
        auto *title = new TagLib::ID3v2::TextIdentificationFrame("TIT2", TagLib::String::UTF16);
        title->setText(text(chapters.at(i).title));
        TagLib::ID3v2::FrameList embedded;
        embedded.append(title);
        tag->addFrame(new TagLib::ID3v2::ChapterFrame(id, milliseconds(chapters.at(i).start), milliseconds(chapters.at(i).end),
                                                      0xFFFFFFFF, 0xFFFFFFFF, embedded));
        children.append(id);
    }
    if (!chapters.isEmpty()) {
        auto *contents = new TagLib::ID3v2::TableOfContentsFrame(TagLib::ByteVector("toc"), children);
        contents->setIsTopLevel(true);
        contents->setIsOrdered(true);
        tag->addFrame(contents);
    }
}

}  // namespace

QByteArray render(const SoundFileCommit::Tags &tags, const QList<Chapter> &chapters)
{
    if (saysNothing(tags, chapters))
        return {};
    TagLib::ID3v2::Tag tag;
    fill(&tag, tags, chapters);
    const TagLib::ByteVector bytes = tag.render();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

bool write(const QString &path, const SoundFileCommit::Tags &tags, const QList<Chapter> &chapters)
{
    if (saysNothing(tags, chapters))
        return true;
    TagLib::MPEG::File file(QFile::encodeName(path).constData());
    TagLib::ID3v2::Tag *tag = file.isValid() ? file.ID3v2Tag(true) : nullptr;
    if (!tag)
        return false;
    fill(tag, tags, chapters);
    return file.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers);
}

}  // namespace Mp3Tag
