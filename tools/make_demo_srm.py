#!/usr/bin/env python3
"""Writes samples/demo.srm: a 32 KiB save image of our own making, with the
signature at 0x7FF0 and plausible party and champion values, for trying the
editor without a real save."""
import random
import struct
import sys

SIGNATURE = b"DM SFX SAVE DATA"
BLOCK_START, STRIDE = 1060, 799

# (offset, width) of each champion field, in file order.
WORDS = {"hp": 0, "hp_max": 2, "stamina": 4, "stamina_max": 6, "mana": 8, "mana_max": 10,
         "food": 14, "water": 16, "fighter": 42, "ninja": 48, "priest": 54, "wizard": 60}
BYTES = {"str": 21, "str_max": 22, "dex": 24, "dex_max": 25, "wis": 27, "wis_max": 28,
         "vit": 30, "vit_max": 31, "anti_magic": 33, "anti_magic_max": 34,
         "anti_fire": 36, "anti_fire_max": 37}

CHAMPIONS = [
    dict(hp=85, hp_max=92, stamina=610, stamina_max=650, mana=12, mana_max=18, food=1800, water=1650,
         str=55, str_max=58, dex=44, dex_max=46, wis=32, wis_max=35, vit=52, vit_max=55,
         anti_magic=30, anti_magic_max=34, anti_fire=38, anti_fire_max=40,
         fighter=1024, ninja=256, priest=32, wizard=0),
    dict(hp=64, hp_max=70, stamina=480, stamina_max=520, mana=40, mana_max=46, food=1500, water=1400,
         str=42, str_max=45, dex=56, dex_max=58, wis=40, wis_max=42, vit=41, vit_max=44,
         anti_magic=35, anti_magic_max=36, anti_fire=33, anti_fire_max=35,
         fighter=512, ninja=2048, priest=64, wizard=128),
    dict(hp=51, hp_max=58, stamina=420, stamina_max=450, mana=72, mana_max=80, food=1200, water=1300,
         str=36, str_max=38, dex=40, dex_max=41, wis=58, wis_max=60, vit=38, vit_max=40,
         anti_magic=48, anti_magic_max=50, anti_fire=41, anti_fire_max=43,
         fighter=16, ninja=8, priest=4096, wizard=1500),
    dict(hp=47, hp_max=52, stamina=390, stamina_max=400, mana=88, mana_max=95, food=1100, water=1250,
         str=33, str_max=35, dex=45, dex_max=47, wis=62, wis_max=65, vit=36, vit_max=37,
         anti_magic=55, anti_magic_max=57, anti_fire=39, anti_fire_max=40,
         fighter=2, ninja=32, priest=512, wizard=8192),
]

PARTY = dict(player_count=4, x=4, y=3, direction=2, level=0)


def build():
    rng = random.Random(1993)
    image = bytearray(rng.getrandbits(8) for _ in range(32768))
    image[0x7FF0:0x8000] = SIGNATURE
    for offset, key in zip((10, 12, 14, 16, 18), ("player_count", "x", "y", "direction", "level")):
        struct.pack_into("<H", image, offset, PARTY[key])
    for index, champion in enumerate(CHAMPIONS):
        block = BLOCK_START + STRIDE * index
        for key, offset in WORDS.items():
            struct.pack_into("<H", image, block + offset, champion[key])
        for key, offset in BYTES.items():
            image[block + offset] = champion[key]
    return bytes(image)


if __name__ == "__main__":
    path = sys.argv[1] if len(sys.argv) > 1 else "samples/demo.srm"
    with open(path, "wb") as out:
        out.write(build())
