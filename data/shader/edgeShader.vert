#version 120
// Sprite side walls: one colour per body, carried in the vertex colour.
uniform mat4 mWorldViewProj;

varying vec3 borderColor;

void main()
{
    gl_Position = mWorldViewProj * gl_Vertex;
    borderColor = gl_Color.rgb;
}
