#!/usr/bin/env python3
"""Checks the Flatpak manifest without building it (the KDE runtime is not on these machines):
it parses, names the app, the KDE runtime and SDK and the command, builds the app with CMake
without its tests, and asks for no more of the system than the app uses."""
import pathlib
import sys

import yaml

ROOT = pathlib.Path(__file__).resolve().parent.parent
MANIFEST = ROOT / "packaging/flatpak/com.tavelo.italianflexio.yml"
# Flathub refuses broad file system access without a reason; the app saves through the portal.
REFUSED = {"--filesystem=home", "--filesystem=host", "--device=all", "--socket=session-bus"}


def faults(manifest):
    expected = {"id": "com.tavelo.italianflexio", "runtime": "org.kde.Platform", "sdk": "org.kde.Sdk",
                "command": "flexio"}
    for key, value in expected.items():
        if manifest.get(key) != value:
            yield f"{key} is {manifest.get(key)!r}, not {value!r}"
    if not str(manifest.get("runtime-version", "")).startswith("6."):
        yield "the runtime is not a Qt 6 one (runtime-version 6.x)"
    for arg in set(manifest.get("finish-args", [])) & REFUSED:
        yield f"finish-args asks for {arg}"
    app = next((m for m in manifest.get("modules", []) if isinstance(m, dict) and m.get("name") == "flexio"), None)
    if not app:
        yield "no module named flexio"
        return
    if app.get("buildsystem") != "cmake-ninja":
        yield "the app is not built with cmake-ninja"
    if "-DFLEXIO_BUILD_TESTS=OFF" not in app.get("config-opts", []):
        yield "the app is built with its tests"
    if not app.get("sources"):
        yield "the app module has no sources"


def main():
    try:
        manifest = yaml.safe_load(MANIFEST.read_text(encoding="utf-8"))
    except yaml.YAMLError as error:
        print(f"{MANIFEST}: not valid YAML: {error}", file=sys.stderr)
        return 1
    found = list(faults(manifest if isinstance(manifest, dict) else {}))
    for fault in found:
        print(f"{MANIFEST.name}: {fault}", file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
