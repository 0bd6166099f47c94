#!/usr/bin/python3
"""Writes the DXF drawings under samples/ that the DXF import tests read: one drawing per DXF flavour,
together holding every entity kind cadhost imports, Chinese texts, layer states, an anonymous block,
attributes and a paper-space layout with a viewport. Run: tools/make_dxf_samples.py samples"""
import math
import pathlib
import sys

import ezdxf
from ezdxf.math import Vec3


def add_tables(document):
    document.layers.add("轮廓", color=7)
    document.layers.add("标注", color=3, linetype="DASHED")
    document.layers.add("Locked", color=1).lock()
    document.layers.add("Frozen", color=4).freeze()
    document.layers.add("Off", color=6).off()
    document.styles.add("仿宋", font="simfang.ttf")
    if document.dxfversion > "AC1009":
        style = document.dimstyles.new("机械")
        style.dxf.dimscale = 2.0
        style.dxf.dimtxt = 2.5


def title_block_name(document):
    # ezdxf cannot read back an R12 block name spelled with \U+ escapes.
    return "TITLE" if document.dxfversion == "AC1009" else "标题栏"


def add_blocks(document):
    bolt = document.blocks.new("Bolt")
    bolt.add_circle((0, 0), 2)
    bolt.add_polyline2d([(3 * math.cos(a * math.pi / 3), 3 * math.sin(a * math.pi / 3)) for a in range(6)], close=True)
    title = document.blocks.new(title_block_name(document))
    title.add_line((0, 0), (120, 0))
    title.add_line((0, 30), (120, 30))
    title.add_text("设计单位：泰萨里尔工程", dxfattribs={"height": 3, "insert": (5, 22)})
    title.add_attdef("名称", (5, 14), dxfattribs={"prompt": "图纸名称", "height": 2.5})
    title.add_attdef("图号", (5, 8), dxfattribs={"prompt": "图号", "height": 2.5})
    anonymous = document.blocks.new_anonymous_block("U")
    anonymous.add_line((0, 0), (5, 5))
    anonymous.add_line((0, 5), (5, 0))
    return anonymous.name


def add_common(space, document, anonymous):
    space.add_point((-10, -10))
    space.add_line((0, 0), (100, 0), dxfattribs={"layer": "轮廓"})
    space.add_line((0, -40), (50, -40), dxfattribs={"layer": "Locked"})
    space.add_line((0, -45), (50, -45), dxfattribs={"layer": "Frozen"})
    space.add_line((0, -50), (50, -50), dxfattribs={"layer": "Off"})
    space.add_arc((50, 60), 50, 0, 180, dxfattribs={"layer": "轮廓"})
    space.add_circle((50, 30), 10)
    space.add_polyline2d([(40, 80), (60, 80), (60, 100)])
    space.add_polyline3d([(70, 80, 0), (80, 90, 5), (90, 80, 10)])
    space.add_solid([(0, 110), (10, 110), (0, 120), (10, 120)])
    space.add_trace([(20, 110), (40, 110), (20, 112), (40, 112)])
    space.add_text("外发图纸 Tessaril 样图", dxfattribs={"height": 5, "insert": (0, 130), "style": "仿宋"})
    space.add_text("旋转文字", dxfattribs={"height": 3, "insert": (60, 130), "rotation": 30})
    space.add_blockref("Bolt", (160, 60))
    space.add_blockref(anonymous, (240, 60))


def add_modern(space, document):
    space.add_ellipse((50, 30), major_axis=(20, 0), ratio=0.5, start_param=0, end_param=math.pi)
    space.add_open_spline([(110, 0), (120, 20), (130, -10), (140, 10)], degree=3)
    space.add_spline(fit_points=[(110, 30), (125, 45), (140, 30)])
    space.add_lwpolyline([(0, 80, 0, 0, 0), (30, 80, 0, 0, 1), (30, 100, 0, 0, 0)], format="xyseb", close=True)
    space.add_leader([(100, 100), (110, 110), (125, 110)])
    space.add_mtext("技术要求：\\P1. 未注倒角 C1\\P2. 去除毛刺", dxfattribs={"insert": (0, 160), "char_height": 3.5, "width": 80})
    space.add_xline((0, -20), (1, 0))
    space.add_ray((-20, 0), (-1, -1))
    pattern = space.add_hatch(color=2)
    pattern.set_pattern_fill("ANSI31", scale=2)
    pattern.paths.add_polyline_path([(150, 0), (170, 0), (170, 20), (150, 20)], is_closed=True)
    solid = space.add_hatch(color=1)
    edges = solid.paths.add_edge_path()
    edges.add_line((180, 0), (200, 0))
    edges.add_arc((200, 5), 5, -90, 90)
    edges.add_ellipse((195, 10), major_axis=(5, 0), ratio=0.4, start_angle=0, end_angle=180)
    edges.add_spline(control_points=[(190, 10), (186, 14), (182, 4), (180, 0)], knot_values=[0, 0, 0, 0, 1, 1, 1, 1], degree=3)
    style = "机械"
    space.add_linear_dim(base=(50, -15), p1=(0, 0), p2=(100, 0), dimstyle=style).render()
    space.add_aligned_dim(p1=(100, 0), p2=(100, 60), distance=15, dimstyle=style).render()
    space.add_radius_dim(center=(50, 30), radius=10, angle=0, dimstyle=style).render()
    space.add_diameter_dim(center=(50, 30), radius=10, angle=45, dimstyle=style).render()
    space.add_angular_dim_3p(base=(90, 90), center=(50, 60), p1=(100, 60), p2=(50, 110)).render()
    space.add_angular_dim_2l(base=(90, 10), line1=((0, 0), (100, 0)), line2=((100, 0), (100, 60))).render()
    space.add_ordinate_x_dim(feature_location=(100, 60), offset=(0, 15), origin=(0, 0)).render()
    definition = document.add_image_def(filename="site-photo.png", size_in_pixel=(640, 480))
    space.add_image(definition, insert=(70, 200), size_in_units=(40, 30))


def add_sheet(document, paper):
    reference = paper.add_blockref(title_block_name(document), (170, 10))
    reference.add_attrib("名称", "泵座", (175, 24))
    reference.add_attrib("图号", "TS-001", (175, 18))
    paper.add_text("布局中的说明文字", dxfattribs={"height": 3.5, "insert": (10, 10)})


def write(version, path):
    document = ezdxf.new(version, setup=True)
    add_tables(document)
    anonymous = add_blocks(document)
    add_common(document.modelspace(), document, anonymous)
    if version == "R12":
        add_sheet(document, document.modelspace())
    else:
        add_modern(document.modelspace(), document)
        paper = document.layout("Layout1")
        paper.add_viewport(center=(148.5, 120), size=(260, 150), view_center_point=(120, 100), view_height=300)
        add_sheet(document, paper)
    document.saveas(path)


def main():
    folder = pathlib.Path(sys.argv[1])
    write("R12", folder / "dxf-r12.dxf")
    write("R2000", folder / "dxf-r2000.dxf")
    write("R2018", folder / "dxf-r2018.dxf")


if __name__ == "__main__":
    main()
