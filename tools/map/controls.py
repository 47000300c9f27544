"""Control points of the warp.

CENTRES pairs each province with a historical centre (lon, lat); the warp
pins that point to the centroid of the province's hit rectangles.  Where the
game's layout departs from geography the point is chosen to suit the layout,
not the atlas: the game puts Lydia south-east of Phrygia, next to Syria, so
Lydia's point lies in southern Anatolia (Pamphylia and Cilicia) instead of
at Sardis, which would fold the Aegean.

ANCHORS pin single coastal points (lon, lat) to map pixels (x, y), to pull
land under rectangles that would otherwise lie on the sea and to keep the
straits and gulfs where the rectangles leave room for them."""

CENTRES = {
    'Italia': (12.0, 43.2),
    'Aquitania': (0.3, 45.3),
    'Terraconensis': (-3.0, 40.0),
    'Upper Rhine': (9.3, 50.8),
    'Mauretania': (-1.0, 34.4),
    'Africa': (12.5, 33.3),
    'Aegyptus': (28.0, 30.0),
    'Dalmatia': (18.0, 43.6),
    'Macedonia': (22.2, 39.6),
    'Pontus': (32.0, 40.8),
    'Palestina': (35.2, 31.5),
    'Armenia': (43.5, 41.0),
    'Sarmatia': (31.0, 47.5),
    'Syria': (37.8, 35.0),
    'Dacia': (24.5, 45.8),
    'Pannonia': (17.5, 46.8),
    'Britannia': (-1.8, 53.0),
    'Thracia': (25.8, 42.2),
    'Belgica': (4.8, 49.8),
    'Lower Rhine': (6.5, 52.8),
    'Lower Danube': (25.0, 48.5),
    'Mesopotamia': (44.0, 33.3),
    'Upper Danube': (14.5, 51.0),
    'Lusitania': (-7.3, 38.8),
    'Lugdunensis': (0.3, 47.9),
    'Narbonensis': (4.2, 43.9),
    'Raetia': (9.8, 47.3),
    'Lydia': (33.5, 37.2),
    'Phrygia': (29.3, 38.6),
    'Cappadocia': (36.5, 39.7),
}

ANCHORS = [
    # Italy: the game squeezes the boot between Italia's rectangles and
    # Dalmatia's, so the heel must stay west of x = 346 (Apulia is Italia's).
    (12.3, 45.4, 314, 203),     # Venice lagoon
    (13.6, 43.6, 318, 226),     # Ancona
    (16.2, 41.9, 333, 246),     # Gargano
    (18.5, 40.1, 342, 272),     # heel, Santa Maria di Leuca
    (15.65, 38.0, 330, 294),    # toe, Reggio
    (14.2, 40.8, 306, 270),     # Naples
    (12.2, 41.8, 290, 247),     # Ostia
    (15.55, 38.25, 332, 298),   # Messana
    (12.45, 37.8, 298, 306),    # Lilybaeum
    (15.1, 36.7, 325, 322),     # Cape Pachynus
    (9.4, 43.0, 266, 250),      # Cap Corse
    (9.2, 41.25, 264, 270),     # the strait between Corsica and Sardinia
    (9.0, 38.9, 260, 302),      # southern Sardinia
    (8.9, 44.4, 262, 238),      # Genoa
    # The eastern Adriatic coast under Dalmatia's rectangles.
    (13.8, 45.0, 335, 212),     # Istria
    (16.4, 43.5, 357, 232),     # Salona
    (18.1, 42.6, 376, 252),     # Ragusa
    (19.45, 41.3, 392, 276),    # Dyrrachium
    # Greece inside Macedonia's rectangle.
    (20.0, 39.6, 418, 305),     # Epirus coast, Corfu strait
    (23.2, 36.45, 468, 382),    # Cape Malea
    (23.7, 38.0, 484, 348),     # Athens
    (22.9, 40.6, 468, 299),     # Thessalonica
    (22.95, 39.35, 484, 318),   # Demetrias
    (21.1, 37.8, 421, 352),     # Elis
    # Thrace, the straits and the Black Sea.
    (28.98, 41.0, 546, 284),    # Byzantium
    (26.4, 40.2, 512, 309),     # Hellespont
    (27.9, 43.2, 538, 247),     # Odessus
    (29.7, 45.2, 548, 220),     # Danube delta
    (30.7, 46.5, 560, 208),     # Tyras, the Dniester mouth
    (33.5, 44.5, 600, 222),     # Crimea
    (39.7, 43.6, 680, 228),     # Caucasian coast
    (41.6, 41.6, 712, 272),     # Phasis
    (35.1, 42.0, 622, 279),     # Sinope
    (39.7, 41.0, 690, 294),     # Trapezus
    (29.9, 40.77, 562, 300),    # Nicomedia
    # Southern Anatolia, Cyprus and the Levant.
    (26.2, 39.5, 514, 320),     # Troad
    (27.2, 37.9, 518, 352),     # Ephesus
    (27.1, 38.4, 516, 338),     # Smyrna
    (30.7, 36.9, 596, 392),     # Attalia
    (34.9, 36.9, 646, 380),     # Tarsus
    (36.1, 36.6, 660, 380),     # Gulf of Issus
    (35.8, 35.5, 655, 398),     # Laodicea
    (35.8, 34.4, 653, 414),     # Tripolis
    (35.2, 33.27, 642, 432),    # Tyre
    (34.75, 32.05, 636, 456),   # Joppa
    (34.45, 31.5, 628, 468),    # Gaza
    # Egypt, Cyrenaica and Africa.
    (32.5, 31.05, 608, 472),    # Pelusium
    (29.9, 31.2, 548, 470),     # Alexandria
    (25.2, 31.6, 508, 462),     # Marmarica
    (21.5, 32.9, 470, 442),     # Cyrenaica
    (20.07, 32.1, 452, 446),    # Berenice
    (18.5, 30.3, 398, 448),     # the Syrtis
    (13.2, 32.9, 326, 434),     # Oea
    (10.1, 33.9, 298, 424),     # Tacape
    (10.6, 35.8, 296, 392),     # Hadrumetum
    (11.0, 37.1, 293, 372),     # Cape Bon
    (9.9, 37.3, 272, 368),      # Hippo Diarrhytus
    (3.05, 36.77, 205, 372),    # Icosium
    (-0.64, 35.7, 150, 383),    # Portus Magnus
    (-5.8, 35.8, 94, 386),      # Tingis
    (-6.8, 34.0, 62, 402),      # Sala
    # Iberia.
    (-5.35, 36.1, 84, 378),     # Calpe
    (-9.0, 37.0, 22, 360),      # Sacred Promontory
    (-9.5, 38.8, 16, 322),      # Cabo da Roca
    (-9.3, 42.9, 20, 262),      # Finisterre
    (-3.0, 43.3, 98, 255),      # Cantabrian coast
    (-1.55, 43.5, 130, 252),    # the Biscay corner
    (-4.4, 36.7, 100, 366),     # Malaca
    (-0.7, 37.6, 160, 350),     # Cabo de Palos
    (-0.4, 39.5, 160, 318),     # Valentia
    (2.2, 41.4, 182, 287),      # Barcino
    (2.95, 39.6, 184, 313),     # Maiorca
    (4.1, 39.95, 191, 305),     # Minorca
    (3.2, 42.3, 186, 268),      # the Pyrenees at the sea
    (4.8, 43.4, 222, 256),      # Rhone mouth
    (7.3, 43.7, 246, 242),      # Nicaea
    # Gaul, Britain and the North Sea.
    (-1.2, 44.6, 132, 224),     # Arcachon
    (-2.2, 47.3, 108, 172),     # Loire mouth
    (-4.7, 48.4, 78, 156),      # Armorica
    (-1.6, 49.6, 122, 134),     # Cotentin
    (0.2, 49.45, 150, 132),     # Seine mouth
    (1.85, 50.95, 172, 104),    # Gesoriacum
    (1.35, 51.1, 160, 96),      # Dubris
    (-5.7, 50.05, 90, 102),     # Land's End
    (-5.3, 51.9, 90, 74),       # St David's Head
    (-4.4, 53.3, 96, 50),       # Mona
    (-3.5, 54.9, 106, 30),      # Solway
    (-2.0, 55.8, 130, 16),      # Tweed mouth
    (0.1, 53.6, 150, 48),       # Humber
    (1.7, 52.7, 158, 68),       # East Anglia
    (1.0, 51.5, 160, 84),       # Thames mouth
    (4.1, 52.0, 198, 76),       # Rhine mouth
    (4.75, 52.95, 208, 50),     # Frisian coast
    (8.8, 53.9, 266, 34),       # Elbe mouth
    (14.3, 53.9, 348, 26),      # Oder mouth
]


# Land that the rectangles would hand to the wrong province: (province, ring
# of (lon, lat) points).  The land inside goes to that province.
CLAIMS = [
    ('Italia', [(12.2, 36.4), (15.8, 36.4), (15.8, 38.4), (12.2, 38.4)]),      # Sicily
    ('Italia', [(8.0, 38.7), (10.0, 38.7), (10.0, 41.3), (8.0, 41.3)]),        # Sardinia
    ('Italia', [(8.4, 41.3), (9.7, 41.3), (9.7, 43.1), (8.4, 43.1)]),          # Corsica
    ('Terraconensis', [(1.1, 38.5), (4.5, 38.5), (4.5, 40.2), (1.1, 40.2)]),   # Balearics
    ('Macedonia', [(23.3, 34.7), (26.5, 34.7), (26.5, 35.8), (23.3, 35.8)]),   # Crete
    ('Lydia', [(32.0, 34.4), (34.8, 34.4), (34.8, 35.8), (32.0, 35.8)]),       # Cyprus
    ('Sarmatia', [(32.4, 44.3), (38.2, 44.3), (38.2, 46.3), (32.4, 46.3)]),    # Crimea, the Bosporan shore
    # None: land that no province held.
    (None, [(-11.0, 51.0), (-6.2, 51.0), (-5.9, 52.5), (-5.4, 54.2), (-5.9, 55.4), (-11.0, 55.6)]),  # Hibernia
]

# Some legion spots stand on a neighbour's rectangles: the icon of a legion in
# Lydia, say, would seem to stand in Cappadocia.  Under its own legion box a
# province reaches this many pixels into its neighbours, so that the icon
# stands on its own land; the few clicks this costs are counted in the fit.
LEGION_PULL = {
    'Lugdunensis': 10.0,
    'Raetia': 24.0,
    'Lydia': 22.0,
    'Narbonensis': 22.0,
    'Dacia': 9.0,
    'Dalmatia': 5.0,
    'Pannonia': 3.0,
    'Phrygia': 3.0,
}
