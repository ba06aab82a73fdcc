#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora under tests/fuzz/corpus/<target>/: a few
small valid files and edge cases for each parser, some made here, some the
smaller book fixtures of the document tests. Run it again after changing a
seed; the output is committed. It writes its own files only: the inputs
the fuzzers found, kept beside them, stay."""
import io
import pathlib
import struct
import zipfile

here = pathlib.Path(__file__).resolve().parent
root = here.parent.parent
books = root / "tests/reader/documents/data/books"
corpus = here / "corpus"


def put(target, name, data):
    folder = corpus / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data.encode() if isinstance(data, str) else data)


def copy(target, fixture):
    put(target, fixture.name, fixture.read_bytes())


def zipped(entries, stored_first=True):
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w") as z:
        for i, (name, data) in enumerate(entries):
            method = zipfile.ZIP_STORED if (i == 0 and stored_first) else zipfile.ZIP_DEFLATED
            z.writestr(zipfile.ZipInfo(name, (2020, 1, 1, 0, 0, 0)), data, compress_type=method)
    return out.getvalue()


CONTAINER = """<?xml version="1.0"?>
<container version="1.0" xmlns="urn:oasis:names:tc:opendocument:xmlns:container">
<rootfiles><rootfile full-path="OEBPS/content.opf" media-type="application/oebps-package+xml"/></rootfiles>
</container>"""
OPF = """<?xml version="1.0" encoding="UTF-8"?>
<package xmlns="http://www.idpf.org/2007/opf" version="3.0" unique-identifier="id">
<metadata xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:identifier id="id">x</dc:identifier>
<dc:title>Tiny</dc:title><dc:creator>Ann</dc:creator><dc:language>en</dc:language></metadata>
<manifest><item id="nav" href="nav.xhtml" media-type="application/xhtml+xml" properties="nav"/>
<item id="c1" href="c1.xhtml" media-type="application/xhtml+xml"/>
<item id="c2" href="c2.xhtml" media-type="application/xhtml+xml"/></manifest>
<spine><itemref idref="c1"/><itemref idref="c2"/></spine></package>"""
NAV = """<?xml version="1.0" encoding="UTF-8"?>
<html xmlns="http://www.w3.org/1999/xhtml" xmlns:epub="http://www.idpf.org/2007/ops"><body>
<nav epub:type="toc"><ol><li><a href="c1.xhtml">One</a></li><li><a href="c2.xhtml#b">Two</a>
<ol><li><a href="c2.xhtml#c">Two and a half</a></li></ol></li></ol></nav></body></html>"""
CHAPTER = """<?xml version="1.0" encoding="UTF-8"?>
<html xmlns="http://www.w3.org/1999/xhtml"><head><title>{0}</title></head><body>
<h1 id="b">{0}</h1><p>First &amp; <em>second</em> sentence.</p><p id="c">&#x263A; caf\u00e9</p></body></html>"""
DOCX_TYPES = """<?xml version="1.0" encoding="UTF-8"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">
<Default Extension="xml" ContentType="application/xml"/>
<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>
</Types>"""
DOCX_RELS = """<?xml version="1.0" encoding="UTF-8"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
<Relationship Id="r1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>
</Relationships>"""
DOCX_DOCUMENT = """<?xml version="1.0" encoding="UTF-8"?>
<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>
<w:p><w:pPr><w:pStyle w:val="Heading1"/></w:pPr><w:r><w:t>Chapter</w:t></w:r></w:p>
<w:p><w:r><w:t xml:space="preserve">Hello </w:t></w:r><w:r><w:rPr><w:b/></w:rPr><w:t>world</w:t></w:r><w:r><w:tab/><w:t>.</w:t></w:r></w:p>
<w:tbl><w:tr><w:tc><w:p><w:r><w:t>cell</w:t></w:r></w:p></w:tc></w:tr></w:tbl>
</w:body></w:document>"""
ODT_CONTENT = """<?xml version="1.0" encoding="UTF-8"?>
<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.3"><office:body><office:text>
<text:h text:outline-level="1">Chapter</text:h><text:p>Hello<text:s text:c="2"/>world<text:tab/>.</text:p>
<text:list><text:list-item><text:p>item<text:note><text:note-body><text:p>note</text:p></text:note-body></text:note></text:p></text:list-item></text:list>
</office:text></office:body></office:document-content>"""

TINY_PDF_OBJECTS = [
    "<< /Type /Catalog /Pages 2 0 R /Outlines 5 0 R >>",
    "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
    "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 100] /Contents 4 0 R"
    " /Resources << /Font << /F1 << /Type /Font /Subtype /Type1 /BaseFont /Helvetica >> >> >> >>",
    None,  # the content stream
    "<< /Type /Outlines /First 6 0 R /Last 6 0 R /Count 1 >>",
    "<< /Title (Start) /Parent 5 0 R /Dest [3 0 R /XYZ 0 100 0] >>",
]


def tiny_pdf():
    stream = b"BT /F1 12 Tf 10 50 Td (Hello, world.) Tj ET"
    out = b"%PDF-1.4\n"
    offsets = []
    for number, body in enumerate(TINY_PDF_OBJECTS, 1):
        offsets.append(len(out))
        if body is None:
            out += b"%d 0 obj\n<< /Length %d >>\nstream\n%s\nendstream\nendobj\n" % (number, len(stream), stream)
        else:
            out += b"%d 0 obj\n%s\nendobj\n" % (number, body.encode())
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(offsets) + 1)
    out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(offsets) + 1, xref)
    return out


def main():
    epub = zipped([("mimetype", "application/epub+zip"), ("META-INF/container.xml", CONTAINER),
                   ("OEBPS/content.opf", OPF), ("OEBPS/nav.xhtml", NAV),
                   ("OEBPS/c1.xhtml", CHAPTER.format("One")), ("OEBPS/c2.xhtml", CHAPTER.format("Two"))])
    docx = zipped([("[Content_Types].xml", DOCX_TYPES), ("_rels/.rels", DOCX_RELS),
                   ("word/document.xml", DOCX_DOCUMENT)])
    odt = zipped([("mimetype", "application/vnd.oasis.opendocument.text"), ("content.xml", ODT_CONTENT)])
    pdf = tiny_pdf()
    html = ("<!DOCTYPE html><html><head><meta charset='utf-8'><title>T</title><style>p{}</style>"
            "<script>var a='<p>';</script></head><body><h1>One</h1><p>A&nbsp;b &eacute; &#128512;"
            "<br>c</p><h2>Two<td>cell<li>item</body></html>")

    put("fuzz_epub", "tiny.epub", epub)
    copy("fuzz_epub", books / "pandoc_book3.epub")
    copy("fuzz_epub", books / "drm_book.epub")
    put("fuzz_docx", "tiny.docx", docx)
    copy("fuzz_docx", books / "lying_sizes.docx")
    copy("fuzz_docx", books / "libreoffice_book.docx")
    put("fuzz_odt", "tiny.odt", odt)
    copy("fuzz_odt", books / "pandoc_book.odt")
    put("fuzz_pdf", "tiny.pdf", pdf)
    copy("fuzz_pdf", books / "picture_only.pdf")
    put("fuzz_html", "tiny.html", html)
    put("fuzz_html", "latin1.html", b"<html><head><meta http-equiv='Content-Type' content='text/html; "
        b"charset=iso-8859-1'></head><body><p>caf\xe9</p></body></html>")
    put("fuzz_html", "empty.html", "")
    # The HTML fixtures themselves are added by scripts/fuzz.sh.
    for name, data in [("tiny.epub", epub), ("tiny.docx", docx), ("tiny.odt", odt), ("tiny.pdf", pdf),
                       ("tiny.html", html)]:
        put("fuzz_books", name, data)
    put("fuzz_books", "plain.txt", "Plain text.\r\nSecond line.\n")

    put("fuzz_zip", "tiny.epub", epub)
    copy("fuzz_zip", books / "plain_archive.zip")
    put("fuzz_zip", "empty.zip", zipped([]))
    put("fuzz_zip", "stored.zip", zipped([("a", "a" * 100), ("content.xml", "x" * 3000)]))
    put("fuzz_zip", "traversal.zip", zipped([("../a", "up"), ("mimetype", "")]))

    put("fuzz_rtf", "tiny.rtf", r"{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0 Arial;}}\f0\fs24 Hello "
        r"\b world\b0 .\par caf\'e9 \u9786? {\*\ignored x}\line{\field{\*\fldinst HYPERLINK x}{\fldrslt link}}}")
    put("fuzz_rtf", "unicode.rtf", r"{\rtf1\uc2\u26085\'93\'fa\u26412\'96\'7b\par{\pict\hex 0102}"
        r"\tab\emdash\lquote x\rquote\bullet}")
    put("fuzz_rtf", "unbalanced.rtf", r"{\rtf1{{{\b x}}\par")
    put("fuzz_rtf", "utf8.txt", "caf\u00e9 \u263a\n")
    put("fuzz_rtf", "utf16.txt", "\ufeffhello\n".encode("utf-16-le"))

    def field(text):
        data = text.encode("latin-1")
        return struct.pack("<H", len(data)) + data
    first_run = (struct.pack("<4i", 1200, 1200, 7080, 8205) + field("/home/ann/") + field("/home/ann/")
                 + field(".txt") + field(".mp3") + b"\xff\xff" + field("Tahoma") + field("False") + b"\0\0"
                 + field("10.5") + b"\0\0\0\0" + struct.pack("<5i", 0x00804020, 0x00FFFFFF, 4, 5, 0)[:16]
                 + field("Flite SLT (US English, female)") + struct.pack("<2i", 60, 40))
    put("fuzz_settings", "first_run.ini", first_run)
    put("fuzz_settings", "short.ini", first_run[:30])
    put("fuzz_settings", "empty.ini", b"")

    put("fuzz_positions", "two.txt", "120\t4096\t1700000000000\t/home/ann/book.epub\n"
        "0\t1\t-5\t/tmp/a%20b%09c.txt\n")
    put("fuzz_positions", "damaged.txt", "x\t1\t2\t/a\n-1\t1\t2\t/b\n1\t2\t3\trelative\n1\t2\t3\n"
        "5\t6\t7\t/home/ann/caf%C3%A9.rtf\r\n5\t6\t7\t/home/ann/caf%C3%A9.rtf\n9\t9\t9\t/%FF%FE\n")

    put("fuzz_pronunciation", "rules.txt", "\ufeff# comment\nSQL\tsequel\ne.g.\tfor example\ta\n"
        "Dr\\.\\s+(\\w+)\tDoctor $1\tr\nNASA\tnasa\tc\n\t\n  \nskip\t\n")
    put("fuzz_pronunciation", "bad.txt", b"no tab\na\tb\tc\td\n(\tx\tr\na*\tx\tr\n\\w\t$2\tr\nok\tfine\tz\n"
        b"\xff\tx\n")

    sha = "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08"
    put("fuzz_version", "version.txt", "1.19\n" + sha + "\n")
    put("fuzz_version", "crlf.txt", "1,2\r\n  " + sha.upper() + "  \r\n")
    put("fuzz_version", "bad.txt", "1.200,5\n" + sha[:63] + "g\n")
    put("fuzz_version", "length.txt", "1234.5")


if __name__ == "__main__":
    main()
