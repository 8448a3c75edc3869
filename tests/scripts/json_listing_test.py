#!/usr/bin/env python3
"""veldor-cli's JSON listing of odd names and of the sample folder, read back with Python's
own parser and held against the file system; --stdout leaves the folders untouched.
Usage: json_listing_test.py PROGRAM_DIR SAMPLES_DIR"""
import base64, datetime, json, os, shutil, subprocess, sys, tempfile, time

program, samples = sys.argv[1], sys.argv[2]
zone = datetime.timezone(datetime.timedelta(hours=5, minutes=30))
env = dict(os.environ, TZ="XYZ-5:30")


def rfc3339(seconds):
    return datetime.datetime.fromtimestamp(seconds, zone).isoformat()


def check(listing, folder, started, texts):
    assert listing["folder"] == folder, listing["folder"]
    # The settings list .jpg, .gif and .png files, in any letter case.
    names = {n for n in os.listdir(os.fsencode(folder))
             if n.lower().endswith((b".jpg", b".gif", b".png"))}
    rate = listing["rate"]
    seen = set()
    for f in listing["files"]:
        raw = base64.b64decode(f["name_bytes"]) if "name_bytes" in f else f["name"].encode()
        assert ("name_bytes" in f) == (raw.decode("utf-8", "replace") != raw.decode("utf-8", "ignore")), f
        assert f["name"] == raw.decode("utf-8", "replace"), f
        seen.add(raw)
        st = os.stat(os.path.join(os.fsencode(folder), raw))
        packets = (st.st_size + 127) // 128
        assert (f["size"], f["packets"], f["yen"]) == (st.st_size, packets, int(packets * rate + 0.5)), f
        assert f["modified"] == rfc3339(st.st_mtime // 1), f
        # The birth time where the file system keeps one, else the modification time.
        created = datetime.datetime.fromisoformat(f["created"])
        assert created.utcoffset() == zone.utcoffset(None), f
        assert f["created"] == f["modified"] or started - 1 <= created.timestamp() <= time.time(), f
        assert f["text"] == texts.get(f["name"], f["name"].encode("cp932", "replace").decode("cp932")), f
    assert seen == names, (seen, names)
    files = listing["files"]
    assert listing["totals"] == {"files": len(files), "size": sum(f["size"] for f in files),
                                 "packets": sum(f["packets"] for f in files),
                                 "yen": sum(f["yen"] for f in files)}, listing["totals"]


def run(*args):
    done = subprocess.run([os.path.join(program, "veldor-cli"), "--yes", *args], env=env,
                          capture_output=True)
    assert done.returncode == 0, done
    return done.stdout


with tempfile.TemporaryDirectory() as work:
    started = time.time()
    odd = os.path.join(work, "odd")
    os.mkdir(odd)
    for name, size in [(b"caf\xc3\xa9.jpg", 1), ("😀.jpg".encode(), 200), (b"a#b.jpg", 0),
                       (b"a\nb.jpg", 129), (b"\xff.jpg", 3), (b"skip.txt", 1)]:
        with open(os.path.join(os.fsencode(odd), name), "wb") as out:
            out.write(b"x" * size)
    os.utime(os.path.join(odd, "a#b.jpg"), (0, 1068005118))
    program_folder = os.path.join(work, "program")
    os.mkdir(program_folder)
    photos = os.path.join(work, "photos")
    shutil.copytree(os.path.join(samples, "photos"), photos)
    for name in os.listdir(os.path.join(samples, "program")):
        shutil.copy(os.path.join(samples, "program", name), program_folder)

    # The sample's settings: sorted by size, largest first; texts from its list.
    run("--program-folder", program_folder, "--format", "json", photos)
    with open(os.path.join(photos, "photos.json"), "rb") as listing_file:
        raw = listing_file.read()
    assert raw.endswith(b"}\n") and b"\r" not in raw and not raw.startswith(b"\xef\xbb\xbf")
    listing = json.loads(raw)
    assert (listing["carrier"], listing["sort"]) == ("docomo", {"key": "size", "descending": True})
    sizes = [f["size"] for f in listing["files"]]
    assert sizes == sorted(sizes, reverse=True), sizes
    texts = {"sunrise.jpg": "海辺の朝焼け", "harbor.JPG": "港の夕方, 二枚目", "夕焼け.jpg": "夕焼けの空"}
    check(listing, photos, started, texts)

    before = {folder: sorted(os.listdir(folder)) for folder in (odd, photos)}
    lines = run("--program-folder", program_folder, "--format=json", "--stdout", odd, photos).split(b"\n")
    assert lines[2:] == [b""], lines
    check(json.loads(lines[0]), odd, started, {})
    assert json.loads(lines[1]) == listing
    assert before == {folder: sorted(os.listdir(folder)) for folder in (odd, photos)}
print("ok")
