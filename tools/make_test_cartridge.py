#!/usr/bin/env python3
"""Writes a Super Famicom test cartridge of our own: no game, a few dozen
bytes of 65816 code that stand in for one while a real emulator runs it.

    tools/make_test_cartridge.py VARIANT OUT.sfc

VARIANT is what the game does once a second (every 60 frames), counted in
vertical blanks:

    progress  increments $70:7000 (.srm offset 0x7000), a byte outside
              every field of the save: the game's own progress
    food      the same, and increments the low byte of Player 1's food,
              $70:0432 (.srm offset 1074 = 0x432)
    idle      waits for vertical blanks and never writes

LoROM, 256 KiB, a battery-backed 32 KiB cartridge RAM at $70:0000-$70:7FFF
(the .srm's offsets 0-0x7FFF). The internal header is at file offset 0x7FC0
($00:FFC0), the reset vector points at $8000 (file offset 0), and the
checksum and its complement are right, so that an emulator's header
heuristics take the image for what it is. Used by scripts/check-emulator.sh.
"""
import struct
import sys

ROM_SIZE = 256 * 1024
HEADER = 0x7FC0  # $00:FFC0 in LoROM
TITLE = b"DUNGEON LEDGER TEST"  # 21 bytes at most, padded with blanks
PROGRESS = 0x7000  # $70:7000, outside every field
FOOD = 1060 + 14   # Player 1's food, low byte: $70:0432


def assemble(lines, origin=0x8000):
    """Assembles (label, bytes or branch, assembly) lines: a branch is
    ("branch", opcode, target label) and gets its 8-bit relative offset.
    Returns the machine code."""
    addresses, address = {}, origin
    for label, code, _ in lines:
        if label:
            addresses[label] = address
        address += 2 if code[0] == "branch" else len(code)
    out, address = bytearray(), origin
    for _, code, text in lines:
        if code[0] == "branch":
            offset = addresses[code[2]] - (address + 2)
            assert -128 <= offset <= 127, text
            code = bytes([code[1], offset & 0xFF])
        out += code
        address += len(code)
    return bytes(out)


def increment(address, text):
    """Long load, increment, long store of one cartridge RAM byte (bank
    $70): INC has no long form."""
    low, high = address & 0xFF, address >> 8
    return [
        (None, bytes([0xAF, low, high, 0x70]), f"LDA ${0x70:02X}{address:04X}   ; {text}"),
        (None, bytes([0x1A]), "INC A"),
        (None, bytes([0x8F, low, high, 0x70]), f"STA ${0x70:02X}{address:04X}"),
    ]


def program(variant):
    writes = []
    if variant in ("progress", "food"):
        writes += increment(PROGRESS, "the game's progress byte")
    if variant == "food":
        writes += increment(FOOD, "Player 1's food, low byte")
    return [
        # At reset the CPU is in emulation mode with DBR = 0, so $42xx
        # below reads bank $00. The PPU runs its scanlines from power-on,
        # with the screen in forced blank or not: the vertical blank flag
        # needs no set-up (bsnes-mercury checked in scripts/check-emulator.sh).
        ("reset", bytes([0x78]), "SEI              ; no IRQ"),
        (None, bytes([0x18]), "CLC"),
        (None, bytes([0xFB]), "XCE              ; native mode"),
        (None, bytes([0xE2, 0x30]), "SEP #$30         ; 8-bit A, X and Y"),
        (None, bytes([0x9C, 0x00, 0x42]), "STZ $4200        ; no NMI, no auto-joypad read"),
        ("second", bytes([0xA2, 60]), "LDX #60          ; frames to a second"),
        ("in_vblank", bytes([0xAD, 0x12, 0x42]), "LDA $4212        ; HVBJOY: bit 7 set in vertical blank"),
        (None, ("branch", 0x30, "in_vblank"), "BMI in_vblank    ; wait for the blank to end"),
        ("drawing", bytes([0xAD, 0x12, 0x42]), "LDA $4212"),
        (None, ("branch", 0x10, "drawing"), "BPL drawing      ; wait for the next blank to start"),
        (None, bytes([0xCA]), "DEX"),
        (None, ("branch", 0xD0, "in_vblank"), "BNE in_vblank    ; one frame fewer to go"),
        *writes,
        (None, ("branch", 0x80, "second"), "BRA second"),
        ("interrupt", bytes([0x40]), "RTI              ; every other vector: none is enabled"),
    ]


def build(variant):
    lines = program(variant)
    code = assemble(lines)
    rom = bytearray(b"\xFF" * ROM_SIZE)
    rom[0:len(code)] = code
    interrupt = 0x8000 + len(code) - 1  # the RTI, last

    header = bytearray(0x40)
    header[0x00:0x15] = TITLE.ljust(21, b" ")
    header[0x15] = 0x20  # map mode: LoROM, slow ROM
    header[0x16] = 0x02  # cartridge type: ROM, RAM, battery
    header[0x17] = 0x08  # ROM size: 2^8 KiB = 256 KiB
    header[0x18] = 0x05  # RAM size: 2^5 KiB = 32 KiB
    header[0x19] = 0x01  # destination: North America (NTSC, 60 frames a second)
    header[0x1A] = 0x00  # developer
    header[0x1B] = 0x00  # version
    struct.pack_into("<HH", header, 0x1C, 0xFFFF, 0x0000)  # complement, checksum: filled in below
    # Native vectors at $FFE4 (COP, BRK, ABORT, NMI, unused, IRQ), emulation
    # vectors at $FFF4 (COP, unused, ABORT, NMI, RESET, IRQ/BRK).
    struct.pack_into("<6H", header, 0x24, *[interrupt] * 6)
    struct.pack_into("<6H", header, 0x34, interrupt, interrupt, interrupt, interrupt, 0x8000, interrupt)
    rom[HEADER:HEADER + 0x40] = header

    # Complement and checksum always add up to 0x1FE in the byte sum, so the
    # sum taken with the placeholders is the sum of the finished image.
    checksum = sum(rom) & 0xFFFF
    struct.pack_into("<HH", rom, HEADER + 0x1C, checksum ^ 0xFFFF, checksum)
    return bytes(rom), lines


def listing(lines):
    out, address = [], 0x8000
    for label, code, text in lines:
        size = 2 if code[0] == "branch" else len(code)
        shown = "" if code[0] == "branch" else " ".join(f"{b:02X}" for b in code)
        out.append(f"${address:04X}  {shown:<12} {(label + ':') if label else '':<11} {text}")
        address += size
    return "\n".join(out)


def main(argv):
    if len(argv) != 3 or argv[1] not in ("progress", "food", "idle"):
        sys.exit("usage: make_test_cartridge.py progress|food|idle OUT.sfc")
    rom, _ = build(argv[1])
    with open(argv[2], "wb") as out:
        out.write(rom)


if __name__ == "__main__":
    main(sys.argv)
