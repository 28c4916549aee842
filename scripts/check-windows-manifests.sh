#!/usr/bin/env bash
# Checks the winget and Scoop manifests that `make windows` wrote into dist/
# against the files they describe: the SHA-256 recomputed from the installer
# and the zip, the version, the file names in the (placeholder) addresses,
# the zip's top folder, the installer's type, silent switches and "in use"
# exit code, Scoop's command (bin), and the fields each manifest must have.
# A manifest left over from an earlier build fails here.
# Usage: check-windows-manifests.sh [DIST]
# Needs: python3, python3-yaml.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/cleanup-common.sh

dist=${1:-dist}
setup=$(ls -t "$dist"/dungeon-ledger-*-windows-x64-setup.exe 2>/dev/null | head -n 1)
[ -f "$setup" ] || { echo "no Windows installer in $dist; run make windows first" >&2; exit 1; }
zip=${setup%-setup.exe}.zip
[ -f "$zip" ] || { echo "no $zip beside $setup" >&2; exit 1; }
version=$(basename "$setup" | sed -n 's/^dungeon-ledger-\(.*\)-windows-x64-setup\.exe$/\1/p')

# The installer's exit code when the program is running (installer.nsi).
exit_in_use=$(sed -n 's/^!define EXIT_IN_USE \([0-9]*\)$/\1/p' packaging/windows/installer.nsi)

python3 - "$dist" "$version" "$setup" "$zip" "$exit_in_use" <<'PY'
import hashlib, json, os, sys, yaml, zipfile

dist, version, setup, zip_path, exit_in_use = sys.argv[1:]
errors = []

def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest()

def check(ok, message):
    if not ok:
        errors.append(message)

def load(path, parse):
    try:
        with open(path, encoding="utf-8") as f:
            return parse(f)
    except (OSError, ValueError, yaml.YAMLError) as error:
        errors.append(f"{path}: {error}")
        return None

def has(manifest, name, fields):
    for field in fields:
        check(field in manifest and manifest[field] not in (None, ""), f"{name} lacks {field}")

ident = "DungeonLedger.DungeonLedger"
winget = os.path.join(dist, "winget")
kinds = {"version": f"{ident}.yaml", "installer": f"{ident}.installer.yaml",
         "defaultLocale": f"{ident}.locale.en-US.yaml"}
manifests = {kind: load(os.path.join(winget, name), yaml.safe_load) for kind, name in kinds.items()}
# What each of winget's manifest types requires.
required = {
    "version": ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType", "ManifestVersion"],
    "installer": ["PackageIdentifier", "PackageVersion", "Installers", "ManifestType", "ManifestVersion"],
    "defaultLocale": ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher", "PackageName",
                      "License", "ShortDescription", "ManifestType", "ManifestVersion"],
}
# A manifest that is missing or does not parse has said so already.
manifests = {kind: manifest for kind, manifest in manifests.items() if manifest is not None}
for kind, manifest in manifests.items():
    name = kinds[kind]
    has(manifest, name, required[kind])
    check(manifest.get("ManifestType") == kind, f"{name}: ManifestType is {manifest.get('ManifestType')!r}")
    check(manifest.get("PackageIdentifier") == ident, f"{name}: PackageIdentifier is not {ident}")
    # A bare 0.1 in YAML is a number, which winget refuses.
    check(manifest.get("PackageVersion") == version, f"{name}: PackageVersion is {manifest.get('PackageVersion')!r}, not {version!r}")
    check(manifest.get("ManifestVersion") == "1.6.0", f"{name}: ManifestVersion is not 1.6.0, the templates' own")
if "version" in manifests and "defaultLocale" in manifests:
    check(manifests["version"].get("DefaultLocale") == manifests["defaultLocale"].get("PackageLocale"),
          "the version manifest's DefaultLocale is not the locale manifest's PackageLocale")

def check_installer(installer, name):
    check(installer.get("InstallerType") == "nullsoft", f"{name}: InstallerType is not nullsoft")
    switches = installer.get("InstallerSwitches") or {}
    check(switches.get("Silent") == "/S" and switches.get("SilentWithProgress") == "/S",
          f"{name}: the silent switches are not /S")
    entries = installer.get("Installers") or [{}]
    check(len(entries) == 1, f"{name}: {len(entries)} installers, not one")
    entry = entries[0]
    has(entry, name, ["Architecture", "InstallerUrl", "InstallerSha256"])
    check(entry.get("Architecture") == "x64", f"{name}: Architecture is not x64")
    check(str(entry.get("InstallerUrl", "")).endswith("/" + os.path.basename(setup)),
          f"{name}: InstallerUrl does not name {os.path.basename(setup)}")
    check(str(entry.get("InstallerSha256", "")).lower() == sha256(setup),
          f"{name}: InstallerSha256 is not the SHA-256 of {setup}")
    in_use = [code.get("InstallerReturnCode") for code in installer.get("ExpectedReturnCodes") or []
              if code.get("ReturnResponse") == "packageInUse"]
    check(in_use == [int(exit_in_use)],
          f"{name}: the packageInUse return code is {in_use}, not the installer's {exit_in_use}")
    for arp in installer.get("AppsAndFeaturesEntries") or []:
        check(arp.get("DisplayVersion") == version, f"{name}: the Apps and Features DisplayVersion is not {version}")

def check_scoop(scoop, name):
    has(scoop, name, ["version", "description", "homepage", "license", "architecture"])
    check(scoop.get("version") == version, f"{name}: version is {scoop.get('version')!r}, not {version!r}")
    entry = (scoop.get("architecture") or {}).get("64bit") or {}
    check(str(entry.get("url", "")).endswith("/" + os.path.basename(zip_path)),
          f"{name}: the url does not name {os.path.basename(zip_path)}")
    check(str(entry.get("hash", "")).lower() == sha256(zip_path), f"{name}: hash is not the SHA-256 of {zip_path}")
    # Scoop unpacks from the zip's one top folder.
    members = zipfile.ZipFile(zip_path).namelist()
    tops = {member.split("/")[0] for member in members}
    check({entry.get("extract_dir")} == tops, f"{name}: extract_dir is not the zip's top folder {sorted(tops)}")
    # The command a console gets (Scoop's shim), a program of the zip's.
    bins = scoop.get("bin") or []
    bins = [bins] if isinstance(bins, str) else bins
    check(bins == ["dungeon-ledger.exe"], f"{name}: bin is {scoop.get('bin')!r}, not dungeon-ledger.exe")
    for program in bins:
        check(f"{entry.get('extract_dir')}/{program}" in members, f"{name}: bin names {program}, which the zip lacks")

if "installer" in manifests:
    check_installer(manifests["installer"], kinds["installer"])
scoop = load(os.path.join(dist, "scoop", "dungeon-ledger.json"), json.load)
if scoop is not None:
    check_scoop(scoop, "scoop/dungeon-ledger.json")

for error in errors:
    print("check-windows-manifests: " + error, file=sys.stderr)
if errors:
    sys.exit(1)
print(f"winget's and Scoop's manifests match {os.path.basename(setup)} and {os.path.basename(zip_path)}")
PY
