#version 120
// Decoration without a shadow map (billboards).
uniform mat4 mWorldViewProj;

varying vec2 texCoord;

void main()
{
    gl_Position = mWorldViewProj * gl_Vertex;
    texCoord = gl_MultiTexCoord0.xy;
}
